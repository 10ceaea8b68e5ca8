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

// Said instead of writing "?" (a wildcard, too) where the character was.
QString CodePageRefusal(const QString& character, const QString& line, unsigned codePage)
{
    // One arg() call, so a "%1" in the line stays as it is.
    return QStringLiteral("The job script cannot hold \"%1\" in the system code page %2. Use a path without "
                          "it, or switch Windows to UTF-8 (code page 65001).\n\nIt is in this line:\n%3")
        .arg(character, QString::number(codePage), line);
}

} // namespace

bool RequireFile(const QString& fieldText, const QString& label)
{
    if (!TrimBlanks(fieldText).isEmpty() && IsExistingFile(fieldText))
        return true;
    Messages().Warning(label + QStringLiteral(" not specified."));
    return false;
}

bool CheckOutputFile(const QString& fieldText, const QString& notSpecified,
                     const QString& overwriteQuestion)
{
    if (TrimBlanks(fieldText).isEmpty()) {
        Messages().Warning(notSpecified);
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

ScriptBytes CmdScriptBytes(const QStringList& lines, unsigned codePage)
{
    QByteArray bytes = codePage == 65001 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (const QString& line : lines) {
        const sys::CodePageText text = sys::ToCodePage(line.toStdString(), codePage);
        if (!text.refused.empty())
            return {{}, CodePageRefusal(QString::fromStdString(text.refused), line, codePage)};
        bytes += QByteArray::fromStdString(text.bytes) + "\r\n";
    }
    return {bytes, {}};
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
    return SaveScriptBytes(dialect::Bytes(lines), scriptPath, error);
}

bool SaveScriptBytes(const ScriptBytes& script, const QString& scriptPath, QString* error)
{
    if (!script.refusal.isEmpty()) {
        if (error)
            *error = script.refusal;
        return false;
    }
    const QByteArray& bytes = script.bytes;
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
    return dialect::IsRoot(folder) ? folder + PathDelimiter() : folder;
}

QStringList JobScriptLines(const EncodeJob& job, const QStringList& commandLines,
                           const QString& scriptPath)
{
    QStringList lines = NewScript();
    lines += commandLines;
    FinishScript(lines, scriptPath, job.pause, job.selfDelete);
    return lines;
}

bool RunJob(const EncodeJob& job, const CommandLines& commands)
{
    if (commands.lines.isEmpty()) {
        Messages().Warning(commands.refusal);
        return false;
    }
    if (!job.workingFolder.isEmpty() && !QFileInfo(job.workingFolder).isDir()) {
        Messages().Warning(QStringLiteral("The output folder %1 does not exist.")
                               .arg(QDir::toNativeSeparators(job.workingFolder)));
        return false;
    }
    QString error;
    const bool reserved = job.scriptPath.isEmpty();
    const QString scriptPath = reserved ? MakeScriptFileName(job.prefix, &error) : job.scriptPath;
    if (scriptPath.isEmpty()) {
        Messages().Warning(error);
        return false;
    }
    if (SaveScript(JobScriptLines(job, commands.lines, scriptPath), scriptPath, &error) &&
        LaunchScript(scriptPath, job.workingFolder, &error))
        return true;
    if (reserved)
        QFile::remove(scriptPath);
    Messages().Warning(error);
    return false;
}
