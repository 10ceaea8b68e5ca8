#pragma once
// Loading a shared library at run time. No Qt, like the other services, so the
// Windows side builds and tests on its own. A loaded library is never unloaded:
// there is no call for it.
#include <string>

// The calling convention of a C library's entry points: WINAPI on Windows.
#ifdef _WIN32
#define CORVANE_LIBCALL __stdcall
#else
#define CORVANE_LIBCALL
#endif

namespace sys {

using LibraryHandle = void*;

// Loads the library file at `path` (UTF-8). Windows: LoadLibraryW. POSIX: dlopen,
// where a path without '/' is searched the system's way. nullptr with the
// system's reason in *error when it cannot be loaded.
LibraryHandle LoadLibraryFile(const std::string& path, std::string* error);

// The address of the exported `name`; nullptr when the library lacks it.
void* LibrarySymbol(LibraryHandle library, const char* name);

} // namespace sys
