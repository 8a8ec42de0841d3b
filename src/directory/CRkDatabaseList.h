#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "db2/Db2Api.h"
#include "directory/CRkDatabaseEntry.h"

class CRkDb2AppLib;
class CRkDb2SysLib;

// A database list handle: the entries of its populations and a cursor.
class CRkDatabaseList {
public:
    CRkDatabaseList() = default;
    CRkDatabaseList(const CRkDatabaseList&) = delete;
    CRkDatabaseList& operator=(const CRkDatabaseList&) = delete;

    // Loads db2app.dll and then, only if that succeeded, db2sys.dll. True
    // when both are available.
    bool LoadLibraries(CRkDb2AppLib& appLib, CRkDb2SysLib& sysLib);

    bool m_bLibrariesLoaded = false;
    rk::db2::Sqlca m_sqlca{};
    std::vector<std::unique_ptr<CRkDatabaseEntry>> m_entries;
};
