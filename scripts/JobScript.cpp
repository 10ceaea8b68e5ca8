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
    if (!IsExistingFile(fieldText) || CurrentJobMode() == JobMode::Preview)
        return true;
    return Messages().AskYesNo(overwriteQuestion);
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

namespace {

JobMode g_mode = JobMode::Launch;
JobOutcome g_outcome;

// Writes the script under its name and starts it as the mode says.
bool Deliver(const EncodeJob& job, const QStringList& lines, const QString& scriptPath, bool reserved,
             QString* error)
{
    const ScriptBytes bytes = dialect::Bytes(lines);
    if (!SaveScriptBytes(bytes, scriptPath, error))
        return false;
    g_outcome.lines = lines;
    g_outcome.script = bytes.bytes;
    if (g_mode != JobMode::RunHere)
        return LaunchScript(scriptPath, job.workingFolder, error);
    g_outcome.exitStatus = RunScriptHere(scriptPath, job.workingFolder, error);
    if (reserved)
        QFile::remove(scriptPath); // it did not delete itself: its last line is the job's
    return g_outcome.exitStatus >= 0;
}

} // namespace

ScopedJobMode::ScopedJobMode(JobMode mode) : previous_(g_mode)
{
    g_mode = mode;
    g_outcome = {};
}

ScopedJobMode::~ScopedJobMode() { g_mode = previous_; }

JobMode CurrentJobMode() { return g_mode; }

bool JobMayTouchFiles() { return g_mode == JobMode::Launch || g_mode == JobMode::RunHere; }

const JobOutcome& LastJobOutcome() { return g_outcome; }

QString ScriptNamePlaceholder() { return QStringLiteral("<job script>"); }

bool RunJob(const EncodeJob& job, const CommandLines& commands)
{
    g_outcome = {};
    if (commands.lines.isEmpty()) {
        Messages().Warning(commands.refusal);
        return false;
    }
    // A page that only shows its job has not made its folder either.
    if (JobMayTouchFiles() && !job.workingFolder.isEmpty() && !QFileInfo(job.workingFolder).isDir()) {
        Messages().Warning(QStringLiteral("The output folder %1 does not exist.")
                               .arg(QDir::toNativeSeparators(job.workingFolder)));
        return false;
    }
    EncodeJob finished = job;
    if (g_mode == JobMode::RunHere) {
        finished.pause = false;
        finished.selfDelete = false;
    }
    const bool reserved = job.scriptPath.isEmpty();
    if (!JobMayTouchFiles()) {
        const QString name = reserved ? ScriptNamePlaceholder() : job.scriptPath;
        const QStringList lines = JobScriptLines(finished, commands.lines, name);
        const ScriptBytes bytes = dialect::Bytes(lines);
        if (!bytes.refusal.isEmpty()) {
            Messages().Warning(bytes.refusal);
            return false;
        }
        g_outcome.lines = lines;
        g_outcome.script = bytes.bytes;
        g_outcome.delivered = true;
        return true;
    }
    QString error;
    const QString scriptPath = reserved ? MakeScriptFileName(job.prefix, &error) : job.scriptPath;
    if (scriptPath.isEmpty()) {
        Messages().Warning(error);
        return false;
    }
    if (Deliver(finished, JobScriptLines(finished, commands.lines, scriptPath), scriptPath, reserved, &error)) {
        g_outcome.delivered = true;
        return true;
    }
    if (reserved)
        QFile::remove(scriptPath);
    Messages().Warning(error);
    return false;
}
