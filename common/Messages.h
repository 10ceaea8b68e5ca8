#pragma once
#include <QString>

// Every message goes through here, so a test can answer in advance and read back
// what was shown, and a run without a window can still report. Qt Core only: the
// job-script layer speaks through it without knowing about widgets.
class IMessages {
public:
    virtual ~IMessages() = default;
    virtual void Info(const QString& text) = 0;        // OK only
    virtual void Warning(const QString& text) = 0;     // OK only: a missing or wrong field
    virtual bool AskYesNo(const QString& text) = 0;    // true for Yes
    virtual bool AskOkCancel(const QString& text) = 0; // true for OK
    // A line of text asked for, starting from *text; true for OK, with *text the answer.
    virtual bool AskText(const QString& prompt, QString* text) = 0;
};

// The messages in use: the installed replacement (a test's), else the default one
// (the window's real boxes), else lines on standard error answered No/Cancel.
IMessages& Messages();
// Installs a replacement (nullptr removes it). Not owned.
void SetMessages(IMessages* messages);
// Installs the default: what runs when no replacement is installed. Not owned.
void SetDefaultMessages(IMessages* messages);
