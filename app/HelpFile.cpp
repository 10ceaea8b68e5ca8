#include "HelpFile.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include "StrToolz.h"
#include "SysServices.h"
#else
#include <QDesktopServices>
#include <QUrl>
#endif

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
    if (!QFileInfo(help).isFile())
        return;
#ifdef Q_OS_WIN
    const QString folder = QDir::toNativeSeparators(QFileInfo(help).absolutePath());
    const QString viewer = IncludeTrailingDelimiter(QString::fromStdString(sys::WindowsDirectory())) +
                           QStringLiteral("hh.exe");
    // The viewer finds help.chm through the working folder; its failure is not reported.
    std::string ignored;
    sys::ShellOpen(viewer.toStdString(), {"mk:@MSITStore:help.chm::/27-%20encoders.html"},
                   folder.toStdString(), &ignored);
#else
    QDesktopServices::openUrl(QUrl::fromLocalFile(help));
#endif
}
