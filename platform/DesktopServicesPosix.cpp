#include "DesktopServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QStandardPaths>
#include <QUrl>

namespace desktop {

QString ExecutableFilter() { return QStringLiteral("Executable files (*)|*"); }

void OpenHelpFile(const QString& helpPath)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpPath));
}

bool OpenManual(const QString& executablePath)
{
    const QDir programFolder = QFileInfo(executablePath).absoluteDir();
    for (const QString& candidate : {programFolder.filePath(QStringLiteral("../share/doc/corvane/manual.html")),
                                     programFolder.filePath(QStringLiteral("manual.html"))})
        if (QFileInfo(candidate).isFile())
            return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(candidate).absoluteFilePath()));
    return false;
}

void InstallContextHelpHook(QObject*, std::function<void()>) {}

QColor WindowColour() { return QGuiApplication::palette().color(QPalette::Base); }

QString ToolOnPath(const QString& program) { return QStandardPaths::findExecutable(program); }

} // namespace desktop
