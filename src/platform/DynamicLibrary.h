#pragma once
// Dynamic loading of the DB2 client's libraries: the one interface through
// which the rest of the library reaches LoadLibraryA/GetProcAddress/
// FreeLibrary (Windows) or dlopen/dlsym/dlclose (Linux).

#include <string>

namespace rk::platform {

using LibraryHandle = void*;
using EntryPoint = void (*)(void);

class CRkLibraryLoader {
public:
    virtual ~CRkLibraryLoader() = default;
    // Loads a library by bare file name through the platform's standard
    // search; null when it cannot be loaded.
    virtual LibraryHandle Load(const std::string& fileName) = 0;
    // Looks an entry point up by its listed name ("sqlenops_api@12"), as the
    // platform exports it (see rk::db2::ExportedName); null when absent.
    virtual EntryPoint Lookup(LibraryHandle library, const char* exportName) = 0;
    virtual void Release(LibraryHandle library) = 0;
};

// The loader of the platform the library runs on.
CRkLibraryLoader& SystemLibraryLoader();

} // namespace rk::platform
