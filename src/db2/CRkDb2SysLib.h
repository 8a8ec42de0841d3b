#pragma once

#include <string>

#include "db2/CRkDb2Lib.h"

// db2sys.dll: DB2's message texts, which turn an sqlca into error text.
class CRkDb2SysLib final : public CRkDb2Lib {
public:
    explicit CRkDb2SysLib(rk::platform::LibraryLoader& loader)
        : CRkDb2Lib("db2sys.dll", loader)
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
