#pragma once
// What a run from the command line needs of the system; each build compiles one of
// ConsoleWin.cpp and ConsolePosix.cpp. No Qt: it runs before the application object.

namespace console {

// Makes standard output and error reach the console that started the program (a
// Windows GUI program has none of its own); nothing to do elsewhere.
void AttachToParent();

// True when no display can be had (no X11 or Wayland display on POSIX), so the
// program must use Qt's offscreen platform.
bool NoDisplay();

} // namespace console
