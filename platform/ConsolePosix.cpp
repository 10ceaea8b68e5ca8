#include "Console.h"

#include <cstdlib>

namespace console {

void AttachToParent() {}

bool NoDisplay()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (!x11 || !*x11) && (!wayland || !*wayland);
}

} // namespace console
