#include "JobScript.h"

#include "Messages.h"
#include "ScriptDialect.h"
#include "StrToolz.h"
#include "SysServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool IsExistingFile(const QString& path) { return QFileInfo(path).isFile(); }

bool WriteAndLaunch(const QString& scriptPath, const QStringList& commandLines, bool pause,
                    bool selfDelete, const QString& workingFolder, bool removeOnFailure)
{
    QStringList lines = NewScript();
    lines += commandLines;
    FinishScript(lines, scriptPath, pause, selfDelete);
    QString error;
    if (SaveScript(lines, scriptPath, &error) && LaunchScript(scriptPath, workingFolder, &error))
        return true;
    if (removeOnFailure)
        QFile::remove(scriptPath);
    Messages().Info(error);
    return false;
}

} // namespace

bool RequireFile(const QString& fieldText, const QString& label)
{
    if (!TrimBlanks(fieldText).isEmpty() && IsExistingFile(fieldText))
        return true;
    Messages().Info(label + QStringLiteral(" not specified."));
    return false;
}

bool CheckOutputFile(const QString& fieldText, const QString& notSpecified,
                     const QString& overwriteQuestion)
{
    if (TrimBlanks(fieldText).isEmpty()) {
        Messages().Info(notSpecified);
        return false;
    }
    return !IsExistingFile(fieldText) || Messages().AskYesNo(overwriteQuestion);
}

QStringList NewScript() { return {dialect::HeadLine()}; }

void FinishScript(QStringList& lines, const QString& scriptPath, bool pause, bool selfDelete)
{
    if (pause)
        lines << dialect::PauseLine();
    if (selfDelete)
        lines << dialect::DeleteLine(scriptPath);
}

QByteArray CmdScriptBytes(const QStringList& lines, unsigned codePage)
{
    QByteArray bytes = codePage == 65001 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (const QString& line : lines)
        bytes += QByteArray::fromStdString(sys::ToCodePage(line.toStdString(), codePage)) + "\r\n";
    return bytes;
}

QByteArray ShScriptBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}

bool SaveScript(const QStringList& lines, const QString& scriptPath, QString* error)
{
    const QByteArray bytes = dialect::Bytes(lines);
    QFile file(scriptPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && dialect::MakeRunnable(file) &&
        file.write(bytes) == bytes.size() && file.flush())
        return true;
    if (error)
        *error = QStringLiteral("Cannot write the job script %1: %2")
                     .arg(QDir::toNativeSeparators(scriptPath), file.errorString());
    return false;
}

QString WorkingFolderOf(const QString& outputPath)
{
    const QString path = TrimBlanks(outputPath);
    const qsizetype last = path.lastIndexOf(PathDelimiter());
    if (last < 0)
        return {};
    const QString folder = path.left(last);
#ifdef _WIN32
    const bool root = folder.isEmpty() || (folder.size() == 2 && folder[1] == ':');
#else
    const bool root = folder.isEmpty();
#endif
    return root ? folder + PathDelimiter() : folder;
}

QString MakeScriptFileName(const QString& prefix) { return MakeScriptFileName(prefix, nullptr); }

bool RunJobScript(const QString& prefix, const QStringList& commandLines, bool pause,
                  const QString& outputPath)
{
    QString error;
    const QString scriptPath = MakeScriptFileName(prefix, &error);
    if (scriptPath.isEmpty()) {
        Messages().Info(error);
        return false;
    }
    return WriteAndLaunch(scriptPath, commandLines, pause, true, WorkingFolderOf(outputPath), true);
}

bool WriteAndLaunchScript(const QString& scriptPath, const QStringList& commandLines,
                          bool pause, bool selfDelete, const QString& workingFolder)
{
    return WriteAndLaunch(scriptPath, commandLines, pause, selfDelete, workingFolder, false);
}
