#include "DesktopServices.h"

#include <QDesktopServices>
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

void InstallContextHelpHook(QWidget*, std::function<void()>) {}

QColor WindowColour() { return QGuiApplication::palette().color(QPalette::Base); }

QString ToolOnPath(const QString& program) { return QStandardPaths::findExecutable(program); }

} // namespace desktop
