#pragma once
#include <QString>
#include <QStringList>

// ---- checks (messages go through Messages()) ----

// True when the trimmed text is not empty and names an existing file (links
// followed). Otherwise shows label + " not specified." and returns false.
bool RequireFile(const QString& fieldText, const QString& label);

// Empty (trimmed): shows notSpecified, false. Existing file: asks overwriteQuestion
// (Yes/No), false unless Yes. Otherwise true. The file is left in place.
bool CheckOutputFile(const QString& fieldText, const QString& notSpecified,
                     const QString& overwriteQuestion);

// ---- script text ----

// The head line of this build's dialect: "@echo off" or "#!/bin/sh".
QStringList NewScript();
// Adds the pause line when pause is set, then the self-deletion line.
void FinishScript(QStringList& lines, const QString& scriptPath, bool pause, bool selfDelete);

// A script's bytes, or why it cannot be written.
struct ScriptBytes {
    QByteArray bytes;
    QString refusal;
};

// The bytes of a cmd script: the lines in the code page, CR LF after each, a BOM
// only for 65001. A character the code page cannot carry refuses the script with a
// message naming it, its line and the code page. Pure, so the Windows layout is
// testable anywhere.
ScriptBytes CmdScriptBytes(const QStringList& lines, unsigned codePage);
// The bytes of an sh script: UTF-8, LF after each line.
QByteArray ShScriptBytes(const QStringList& lines);

// Writes the script in this build's dialect (truncating). On failure returns false
// with a message that names the path and the system's reason, or the refusal.
bool SaveScript(const QStringList& lines, const QString& scriptPath, QString* error);
// Writes the bytes (truncating); refused bytes write nothing, the refusal is the error.
bool SaveScriptBytes(const ScriptBytes& script, const QString& scriptPath, QString* error);

// Runs the script in this process's terminal with the working folder, stopping at
// its first failing command, and waits: the job's exit status, or -1 with *error.
int RunScriptHere(const QString& scriptPath, const QString& workingFolder, QString* error);

// Opens the script in a console/terminal window with the working folder; never waits.
// False with a message when nothing could be started.
bool LaunchScript(const QString& scriptPath, const QString& workingFolder, QString* error);

// The folder part of an output path: up to its last delimiter, without it, except
// for a root ("C:\\" or "/"); empty when there is no folder part.
QString WorkingFolderOf(const QString& outputPath);

// A new unique script path in the temporary folder: the prefix's first three
// characters, a unique part and ".cmd" (Windows) or ".sh" (POSIX, created
// exclusively with mode 0700 so the name is never free for someone else). Empty on
// failure, with a message naming the folder and the system's reason in *error.
QString MakeScriptFileName(const QString& prefix, QString* error = nullptr);

// ".cmd" or ".sh": the extension of this build's job scripts, for fixed names.
QString ScriptExtension();

// The two script dialects, so a builder can be asked for either one anywhere.
enum class ScriptDialect { Cmd, Sh };
// The dialect of the job scripts this build writes.
ScriptDialect BuildDialect();

// ---- the one encode entry ----

// What a page's encode hands over besides its command lines.
struct EncodeJob {
    QString prefix;         // a reserved unique name from the prefix's first three characters,
    QString scriptPath;     // unless a fixed path is given (overwritten without a question)
    bool pause = false;
    bool selfDelete = true;
    QString workingFolder;  // empty: the terminal's default
};

// A builder's command lines, or, when it refuses, why.
struct CommandLines {
    QStringList lines;
    QString refusal;
};

// The whole script for the job: head, command lines, pause and self-deletion.
QStringList JobScriptLines(const EncodeJob& job, const QStringList& commandLines,
                           const QString& scriptPath);

// How the encode entry finishes a job. The window's Encode launches it; the job
// preview and the command line take it in other ways.
enum class JobMode {
    Launch,   // write the script and open it in a terminal
    Preview,  // no overwrite question; nothing created, written, deleted or launched
    Print,    // as Preview, but the overwrite question is asked
    RunHere,  // write it without the pause line, run it in this terminal and wait
};

// The mode in force until the object goes (Launch when none is).
class ScopedJobMode {
public:
    explicit ScopedJobMode(JobMode mode);
    ~ScopedJobMode();
    ScopedJobMode(const ScopedJobMode&) = delete;
    ScopedJobMode& operator=(const ScopedJobMode&) = delete;

private:
    JobMode previous_;
};
JobMode CurrentJobMode();
// False while a job is only looked at: a page then creates, changes and deletes nothing.
bool JobMayTouchFiles();

// What became of the last job RunJob was given.
struct JobOutcome {
    bool delivered = false; // launched, shown, printed or run
    QStringList lines;      // the script's lines; a reserved name not known yet reads as the placeholder
    QByteArray script;      // and its bytes
    int exitStatus = 0;     // RunHere: the job's own status
};
const JobOutcome& LastJobOutcome();

// The script name shown where the unique name is not known yet.
QString ScriptNamePlaceholder();

// Shows a refusal, refuses a working folder that does not exist, then names, writes
// and launches the script (or, in another mode, shows, prints or runs it). Every
// failure is shown; false then, and nothing is left behind.
bool RunJob(const EncodeJob& job, const CommandLines& commands);
