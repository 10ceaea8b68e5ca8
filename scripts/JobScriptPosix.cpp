// The sh dialect: UTF-8, LF, run in a terminal window.
#include "JobScript.h"

#include "ScriptDialect.h"
#include "StrToolz.h"
#include "SysServices.h"
#include "SysToolz.h"

#include <QFile>
#include <QProcess>

#include <string>
#include <vector>

namespace {

// The terminal's command line that runs the script; empty when there is none.
std::vector<std::string> TerminalCommand(const std::string& script)
{
    const std::string chosen = sys::GetEnv("TERMINAL");
    if (!chosen.empty())
        return {chosen, "-e", script};
    // Each takes the program and its arguments after its own option.
    static const struct {
        const char* program;
        const char* runOption;
    } known[] = {
        {"x-terminal-emulator", "-e"}, {"gnome-terminal", "--"}, {"konsole", "-e"},
        {"xfce4-terminal", "-x"},      {"mate-terminal", "-x"},  {"alacritty", "-e"},
        {"xterm", "-e"},
    };
    for (const auto& terminal : known)
        if (!sys::FindProgram(terminal.program).empty())
            return {terminal.program, terminal.runOption, script};
    return {};
}

} // namespace

namespace dialect {

QString HeadLine() { return QStringLiteral("#!/bin/sh"); }

QString PauseLine() { return QStringLiteral("printf 'Press Enter to continue...'; read -r _"); }

QString DeleteLine(const QString& scriptPath) { return "rm -f -- " + QuotePathForSh(scriptPath); }

ScriptBytes Bytes(const QStringList& lines) { return {ShScriptBytes(lines), {}}; }

bool IsRoot(const QString& folder) { return folder.isEmpty(); }

bool MakeRunnable(QFile& file)
{
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace dialect

QChar PathDelimiter() { return '/'; }

QString QuotePath(const QString& path) { return QuotePathForSh(path); }

QString ScriptExtension() { return QStringLiteral(".sh"); }

ScriptDialect BuildDialect() { return ScriptDialect::Sh; }

QString MakeScriptFileName(const QString& prefix, QString* error)
{
    // Created here and kept: the name is never free for someone else in a shared /tmp.
    const QString folder = GetTempDir();
    std::string reason;
    const std::string path = sys::CreateUniqueFile(folder.toStdString(), prefix.left(3).toStdString(),
                                                   ScriptExtension().toStdString(), 0700, &reason);
    if (path.empty() && error)
        *error = QStringLiteral("Cannot create a job script in %1: %2")
                     .arg(folder, QString::fromStdString(reason));
    return QString::fromStdString(path);
}

int RunScriptHere(const QString& scriptPath, const QString& workingFolder, QString* error)
{
    QProcess sh;
    sh.setProcessChannelMode(QProcess::ForwardedChannels);
    sh.setInputChannelMode(QProcess::ForwardedInputChannel);
    if (!workingFolder.isEmpty())
        sh.setWorkingDirectory(workingFolder);
    // -e: a failing pass stops the job and its status is the job's.
    sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-e"), scriptPath});
    if (!sh.waitForStarted(-1) || !sh.waitForFinished(-1)) {
        if (error)
            *error = QStringLiteral("Cannot run the job script %1: %2").arg(scriptPath, sh.errorString());
        return -1;
    }
    return sh.exitStatus() == QProcess::NormalExit ? sh.exitCode() : 128 + 9;
}

bool LaunchScript(const QString& scriptPath, const QString& workingFolder, QString* error)
{
    const std::vector<std::string> command = TerminalCommand(scriptPath.toStdString());
    std::string reason;
    if (command.empty())
        reason = "No terminal program found. Set TERMINAL to one.";
    else if (sys::ShellOpen(command[0], std::vector<std::string>(command.begin() + 1, command.end()),
                            workingFolder.toStdString(), &reason))
        return true;
    else
        reason = "Cannot start the terminal " + command[0] + ": " + reason;
    if (error)
        *error = QString::fromStdString(reason);
    return false;
}
