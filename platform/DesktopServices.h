#pragma once
// Desktop services that differ per system and need Qt: each build compiles one of
// DesktopServicesWin.cpp and DesktopServicesPosix.cpp.
#include <QColor>
#include <QString>

#include <functional>

class QObject;

namespace desktop {

// The browse filter for programs: "*.exe" on Windows; on POSIX any file, since
// programs carry no extension there.
QString ExecutableFilter();

// Opens the help file at its encoders topic. Windows: hh.exe from the Windows
// directory, the file found through the working folder; elsewhere the desktop's viewer.
// Its failure is not reported.
void OpenHelpFile(const QString& helpPath);

// Opens the user manual where help.chm is missing: POSIX looks for the installed
// share/doc/corvane/manual.html beside the program's folder, then the build tree's
// copy beside the program. False when there is none (always on Windows).
bool OpenManual(const QString& executablePath);

// Calls onHelp when a title-bar "?" is pressed (Windows' SC_CONTEXTHELP; only the
// main window has that button); nothing elsewhere. The hook lives as long as owner.
void InstallContextHelpHook(QObject* owner, std::function<void()> onHelp);

// The colour of window backgrounds (text fields): Windows' COLOR_WINDOW, elsewhere
// the application palette's Base colour.
QColor WindowColour();

// The full path of a program found on PATH, the first-run default of a tool field
// where tools come from the distribution; empty on Windows, where they do not.
QString ToolOnPath(const QString& program);

} // namespace desktop
