#pragma once
// Loads the product library the way a host application does (LoadLibraryA,
// GetProcAddress, FreeLibrary; dlopen natively) and resolves the eight
// exports into typed pointers.

#include <string>

#include "rkdb2rova.h"

namespace rk::test {

class HostLibrary {
public:
    explicit HostLibrary(const std::string& path);
    HostLibrary();  // the library of this build
    ~HostLibrary();
    HostLibrary(const HostLibrary&) = delete;
    HostLibrary& operator=(const HostLibrary&) = delete;

    bool IsLoaded() const { return m_handle != nullptr; }
    // Releases the library; its module-wide objects are destroyed now.
    void Unload();
    // An export's address by name, or null.
    void* Export(const char* name) const;

    RKDB2_PFN_CRkDatabaseListGetError CRkDatabaseListGetError = nullptr;
    RKDB2_PFN_CRkDatabaseListNew CRkDatabaseListNew = nullptr;
    RKDB2_PFN_CRkDatabaseListNext CRkDatabaseListNext = nullptr;
    RKDB2_PFN_CRkDatabaseListPopulate CRkDatabaseListPopulate = nullptr;
    RKDB2_PFN_CatalogDatabase CatalogDatabase = nullptr;
    RKDB2_PFN_GetDatabaseDetails GetDatabaseDetails = nullptr;
    RKDB2_PFN_RkConnect RkConnect = nullptr;
    RKDB2_PFN_UncatalogDatabase UncatalogDatabase = nullptr;

private:
    void* m_handle = nullptr;
};

} // namespace rk::test
