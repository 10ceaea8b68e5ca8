// The cmd dialect: the ANSI code page, CR LF, opened by the shell.
#include "JobScript.h"

#include "ScriptDialect.h"
#include "StrToolz.h"
#include "SysServices.h"
#include "SysToolz.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace dialect {

QString HeadLine() { return QStringLiteral("@echo off"); }

QString PauseLine() { return QStringLiteral("pause"); }

QString DeleteLine(const QString& scriptPath) { return "del " + QuotePathForCmd(scriptPath); }

// cmd reads a batch file in its console's code page, the OEM one, not the ANSI one:
// written in ANSI, an é reached the tools as another letter.
ScriptBytes Bytes(const QStringList& lines) { return CmdScriptBytes(lines, sys::ConsoleCodePage()); }

bool IsRoot(const QString& folder) { return folder.isEmpty() || (folder.size() == 2 && folder[1] == ':'); }

bool MakeRunnable(QFile&) { return true; } // the extension does it

} // namespace dialect

QChar PathDelimiter() { return '\\'; }

QString QuotePath(const QString& path) { return QuotePathForCmd(path); }

QString ScriptExtension() { return QStringLiteral(".cmd"); }

ScriptDialect BuildDialect() { return ScriptDialect::Cmd; }

QString MakeScriptFileName(const QString& prefix, QString* error)
{
    QString reason;
    const QString name = MakeTempFileName(prefix, true, &reason);
    if (name.isEmpty()) {
        if (error)
            *error = QStringLiteral("Cannot create a job script in %1: %2")
                         .arg(QDir::toNativeSeparators(GetTempDir()), reason);
        return {};
    }
    return name + ScriptExtension();
}

int RunScriptHere(const QString& scriptPath, const QString& workingFolder, QString* error)
{
    QProcess cmd;
    cmd.setProcessChannelMode(QProcess::ForwardedChannels);
    cmd.setInputChannelMode(QProcess::ForwardedInputChannel);
    if (!workingFolder.isEmpty())
        cmd.setWorkingDirectory(workingFolder);
    cmd.setProgram(QStringLiteral("cmd.exe"));
    // cmd takes the rest of its line as written: the script path in double quotes.
    cmd.setNativeArguments(QStringLiteral("/c \"\"%1\"\"").arg(QDir::toNativeSeparators(scriptPath)));
    cmd.start();
    if (!cmd.waitForStarted(-1) || !cmd.waitForFinished(-1)) {
        if (error)
            *error = QStringLiteral("Cannot run the job script %1: %2")
                         .arg(QDir::toNativeSeparators(scriptPath), cmd.errorString());
        return -1;
    }
    return cmd.exitCode();
}

bool LaunchScript(const QString& scriptPath, const QString& workingFolder, QString*)
{
    // The shell's failure to open the script is not reported.
    std::string ignored;
    sys::ShellOpen(QDir::toNativeSeparators(scriptPath).toStdString(), {},
                   QDir::toNativeSeparators(workingFolder).toStdString(), &ignored);
    return true;
}
