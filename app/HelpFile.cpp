#include "HelpFile.h"

#include "DesktopServices.h"

#include <QDir>
#include <QFileInfo>

QString HelpFilePath(const QString& executablePath)
{
    // Worked out on the text: QDir::cdUp would need the folders to exist.
    const QString programFolder = QFileInfo(executablePath).absolutePath();
    const QString parent = QFileInfo(programFolder).absolutePath();
    return QDir::toNativeSeparators(QDir(parent).filePath(QStringLiteral("help.chm")));
}

void OpenHelpTopic(const QString& executablePath)
{
    const QString help = HelpFilePath(executablePath);
    if (QFileInfo(help).isFile())
        desktop::OpenHelpFile(help);
    else
        desktop::OpenManual(executablePath);
}
