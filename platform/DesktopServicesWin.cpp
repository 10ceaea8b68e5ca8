#include "DesktopServices.h"

#include "SysServices.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace desktop {

namespace {

// The title bar's "?" asks for help; every other system command is the standard one.
class ContextHelpFilter : public QObject, public QAbstractNativeEventFilter {
public:
    ContextHelpFilter(QObject* owner, std::function<void()> onHelp)
        : QObject(owner), onHelp_(std::move(onHelp))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~ContextHelpFilter() override
    {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        auto* msg = static_cast<MSG*>(message);
        if (eventType != "windows_generic_MSG" || msg->message != WM_SYSCOMMAND ||
            (msg->wParam & 0xFFF0) != SC_CONTEXTHELP)
            return false;
        onHelp_();
        *result = 0;
        return true;
    }

private:
    std::function<void()> onHelp_;
};

} // namespace

QString ExecutableFilter() { return QStringLiteral("Executable files (*.exe)|*.exe"); }

void OpenHelpFile(const QString& helpPath)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(helpPath).absolutePath());
    const QString viewer =
        QDir(QString::fromStdString(sys::WindowsDirectory())).filePath(QStringLiteral("hh.exe"));
    std::string ignored;
    sys::ShellOpen(QDir::toNativeSeparators(viewer).toStdString(),
                   {"mk:@MSITStore:help.chm::/27-%20encoders.html"}, folder.toStdString(), &ignored);
}

bool OpenManual(const QString&) { return false; }

void InstallContextHelpHook(QObject* owner, std::function<void()> onHelp)
{
    new ContextHelpFilter(owner, std::move(onHelp));
}

QColor WindowColour()
{
    const DWORD c = GetSysColor(COLOR_WINDOW);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QString ToolOnPath(const QString&) { return {}; }

} // namespace desktop
