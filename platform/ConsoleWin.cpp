#include "Console.h"

#include <cstdio>

#include <windows.h>

namespace console {

void AttachToParent()
{
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    // Only where the streams are not redirected already.
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_UNKNOWN)
        std::freopen("CONOUT$", "w", stdout);
    if (GetFileType(GetStdHandle(STD_ERROR_HANDLE)) == FILE_TYPE_UNKNOWN)
        std::freopen("CONOUT$", "w", stderr);
}

bool NoDisplay() { return false; }

} // namespace console
