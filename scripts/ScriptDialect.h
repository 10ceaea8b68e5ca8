#pragma once
// What the two job-script dialects do differently; each build compiles one.
#include <QByteArray>
#include <QString>
#include <QStringList>

class QFile;
struct ScriptBytes; // JobScript.h

namespace dialect {

QString HeadLine();
QString PauseLine();
QString DeleteLine(const QString& scriptPath);
ScriptBytes Bytes(const QStringList& lines);
// A folder text that names a root once its delimiter is added back ("" or "C:").
bool IsRoot(const QString& folder);
// Makes the open script file runnable by the launcher; false when it cannot.
bool MakeRunnable(QFile& file);

} // namespace dialect
