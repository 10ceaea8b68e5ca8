#pragma once
#include <QString>

// help.chm in the parent folder of the executable's folder.
QString HelpFilePath(const QString& executablePath);

// Opens the encoders topic of the help file when it exists; otherwise the user
// manual where the system has one.
// Windows: hh.exe from the Windows directory; elsewhere the desktop's viewer.
void OpenHelpTopic(const QString& executablePath);
