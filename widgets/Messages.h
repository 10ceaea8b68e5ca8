#pragma once
#include <QString>

class QWidget;

// Every message box goes through here, so a test can answer in advance and read
// back what was shown.
class IMessages {
public:
    virtual ~IMessages() = default;
    virtual void Info(const QString& text) = 0;        // OK only
    virtual bool AskYesNo(const QString& text) = 0;    // true for Yes
    virtual bool AskOkCancel(const QString& text) = 0; // true for OK
};

// The boxes in use: the real modal ones unless a test installed its own.
IMessages& Messages();
// Installs a replacement (nullptr restores the real boxes). Not owned.
void SetMessages(IMessages* messages);
// The window the real boxes are modal over.
void SetMessageParent(QWidget* parent);
