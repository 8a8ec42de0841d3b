#pragma once
// The pair of DB2 libraries one catalog or uncatalog call needs, and the DB2
// steps of both operations. Each call creates its own, so the libraries are
// loaded afresh and released when the call returns (db2sys.dll first, then
// db2app.dll); nothing in it is shared with other calls.

#include <string>

#include "db2/CRkCatalogSteps.h"
#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2SysLib.h"

class CRkCatalogApi {
public:
    explicit CRkCatalogApi(rk::platform::CRkLibraryLoader& loader) : m_appLib(loader), m_sysLib(loader) { }

    // Loads db2app.dll, then db2sys.dll. On failure `message` becomes
    // "Failed to load " and the file name, and false is returned; db2sys.dll
    // is not tried when db2app.dll fails.
    bool LoadLibraries(std::string& message);

    // The DB2 steps, only after LoadLibraries() succeeded.
    CRkCatalogSteps Steps() const { return CRkCatalogSteps(m_appLib, m_sysLib); }

private:
    // Members are destroyed in reverse order: db2sys.dll is released first.
    CRkDb2AppLib m_appLib;
    CRkDb2SysLib m_sysLib;
};
