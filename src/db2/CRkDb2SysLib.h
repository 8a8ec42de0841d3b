#pragma once

#include <string>

#include "db2/CRkDb2Lib.h"
#include "db2/Db2Files.h"

// db2sys.dll (db2sys64.dll): DB2's message texts, which turn an sqlca into
// error text. The 64-bit client's db2app64.dll exports them too; it stands
// in where db2sys64.dll cannot be loaded.
class CRkDb2SysLib final : public CRkDb2Lib {
public:
    explicit CRkDb2SysLib(rk::platform::CRkLibraryLoader& loader)
        : CRkDb2Lib(RK_DB2SYS_FILE, rk::db2::kMessagesFallBackToApp ? RK_DB2APP_FILE : "", loader)
    {
    }

    // DB2's message for the sqlca's SQLCODE, then "SQLCODE = n", the
    // SQLSTATE between quotes and DB2's text for the SQLSTATE, at most 1022
    // characters. Only for an object whose Load() returned true.
    std::string GetErrorText(const rk::db2::Sqlca& ca) const;

    RK_DB2SYS_ENTRY_POINTS(RK_DB2_ENTRY_POINT_FIELD)

protected:
    bool ResolveEntryPoints() override { return RK_DB2SYS_ENTRY_POINTS(RK_DB2_RESOLVE_ENTRY_POINT) true; }
};
