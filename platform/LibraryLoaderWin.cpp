#include "LibraryLoader.h"
#include "WinDetail.h"

#include <windows.h>

namespace sys {

LibraryHandle LoadLibraryFile(const std::string& path, std::string* error)
{
    HMODULE library = LoadLibraryW(win::Widen(path).c_str());
    if (!library && error)
        *error = "LoadLibraryW failed with error " + std::to_string(GetLastError());
    return library;
}

void* LibrarySymbol(LibraryHandle library, const char* name)
{
    if (!library)
        return nullptr;
    // FARPROC to a data pointer: the caller casts it back to the entry's type.
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

} // namespace sys
