#pragma once
// The pair of DB2 libraries one catalog or uncatalog call needs. Each call
// creates its own, so the libraries are loaded afresh and released when the
// call returns (db2sys.dll first, then db2app.dll).

#include <string>

#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2SysLib.h"

class CRkCatalogApi {
public:
    explicit CRkCatalogApi(rk::platform::LibraryLoader& loader = rk::platform::SystemLibraryLoader())
        : m_appLib(loader), m_sysLib(loader)
    {
    }

    // Loads db2app.dll, then db2sys.dll. On failure `message` becomes
    // "Failed to load " and the file name, and false is returned; db2sys.dll
    // is not tried when db2app.dll fails.
    bool LoadLibraries(std::string& message);

    CRkDb2AppLib& AppLib() { return m_appLib; }
    CRkDb2SysLib& SysLib() { return m_sysLib; }

private:
    // Members are destroyed in reverse order: db2sys.dll is released first.
    CRkDb2AppLib m_appLib;
    CRkDb2SysLib m_sysLib;
};
