#pragma once
#include <QString>

class QLineEdit;

// The job-script checks on a field of the window: after a failed check the
// keyboard focus is on the field, so the user can put it right at once.
bool RequireField(QLineEdit* field, const QString& label);
bool CheckOutputField(QLineEdit* field, const QString& notSpecified = QStringLiteral("Output file not specified."),
                      const QString& overwriteQuestion = QStringLiteral("Output file already exists. Overwrite?"));
