#pragma once
// Dynamic loading of the DB2 client's libraries: the one interface through
// which the rest of the library reaches LoadLibraryA/GetProcAddress/
// FreeLibrary (Windows) or dlopen/dlsym/dlclose (Linux).

#include <string>

namespace rk::platform {

using LibraryHandle = void*;
using EntryPoint = void (*)(void);

class LibraryLoader {
public:
    virtual ~LibraryLoader() = default;
    // Loads a library by bare file name through the platform's standard
    // search; null when it cannot be loaded.
    virtual LibraryHandle Load(const std::string& fileName) = 0;
    // Looks an exported name up exactly as written (decoration included);
    // null when the library does not export it.
    virtual EntryPoint Lookup(LibraryHandle library, const char* exportName) = 0;
    virtual void Release(LibraryHandle library) = 0;
};

// The loader of the platform the library runs on. On Linux, Lookup drops a
// trailing "@N" stdcall decoration, since ELF names cannot carry it.
LibraryLoader& SystemLibraryLoader();

} // namespace rk::platform
