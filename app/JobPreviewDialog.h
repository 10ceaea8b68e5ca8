#pragma once
#include <QDialog>

class QPlainTextEdit;

// The job script as it would be written, read-only in the fixed-pitch font, with
// Copy and Close. It deletes itself when closed.
class JobPreviewDialog : public QDialog {
    Q_OBJECT
public:
    JobPreviewDialog(QWidget* parent, const QString& title, const QString& script);

    QPlainTextEdit* mJobScript;
};
