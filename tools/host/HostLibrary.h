#pragma once
// Loads the product library the way a host application does (LoadLibraryA,
// GetProcAddress, FreeLibrary; dlopen natively) and resolves the eight
// exports into typed pointers.

#include <string>

#include "os/LoadedLibrary.h"
#include "rkdb2rova.h"

namespace rk::host {

class HostLibrary {
public:
    explicit HostLibrary(const std::string& path);
    // RKDB2_LIBRARY if set, else RkDb2Rova beside the running program.
    HostLibrary();
    HostLibrary(const HostLibrary&) = delete;
    HostLibrary& operator=(const HostLibrary&) = delete;

    bool IsLoaded() const { return m_library.IsLoaded(); }
    // Releases the library; its module-wide objects are destroyed now.
    void Unload() { m_library.Unload(); }
    // An export's address by name, or null.
    void* Export(const char* name) const { return m_library.Export(name); }

    RKDB2_PFN_CRkDatabaseListGetError CRkDatabaseListGetError = nullptr;
    RKDB2_PFN_CRkDatabaseListNew CRkDatabaseListNew = nullptr;
    RKDB2_PFN_CRkDatabaseListNext CRkDatabaseListNext = nullptr;
    RKDB2_PFN_CRkDatabaseListPopulate CRkDatabaseListPopulate = nullptr;
    RKDB2_PFN_CatalogDatabase CatalogDatabase = nullptr;
    RKDB2_PFN_GetDatabaseDetails GetDatabaseDetails = nullptr;
    RKDB2_PFN_RkConnect RkConnect = nullptr;
    RKDB2_PFN_UncatalogDatabase UncatalogDatabase = nullptr;

private:
    os::LoadedLibrary m_library;
};

// The product library beside the running program.
std::string DefaultLibraryPath();

} // namespace rk::host
