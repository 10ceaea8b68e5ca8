#include "LibraryLoader.h"

#include <dlfcn.h>

namespace sys {

LibraryHandle LoadLibraryFile(const std::string& path, std::string* error)
{
    // RTLD_LOCAL keeps the library's own symbols out of the program's namespace.
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library && error) {
        const char* reason = dlerror();
        *error = reason ? reason : "cannot load " + path;
    }
    return library;
}

void* LibrarySymbol(LibraryHandle library, const char* name)
{
    return library ? dlsym(library, name) : nullptr;
}

} // namespace sys
