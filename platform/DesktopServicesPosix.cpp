#include "DesktopServices.h"

#include <QDesktopServices>
#include <QUrl>

namespace desktop {

QString ExecutableFilter() { return QStringLiteral("Executable files (*)|*"); }

void OpenHelpFile(const QString& helpPath)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpPath));
}

void InstallContextHelpHook(QWidget*, std::function<void()>) {}

} // namespace desktop
