#pragma once

#include <string>

#include "db2/CRkDb2Lib.h"
#include "db2/Db2Api.h"

// db2sys.dll: DB2's message texts, which turn an sqlca into error text.
class CRkDb2SysLib final : public CRkDb2Lib {
public:
    explicit CRkDb2SysLib(rk::platform::LibraryLoader& loader = rk::platform::SystemLibraryLoader())
        : CRkDb2Lib("db2sys.dll", loader)
    {
    }

    // DB2's message for the sqlca's SQLCODE, then "SQLCODE = n", the
    // SQLSTATE between quotes and DB2's text for the SQLSTATE, at most 1022
    // characters. Only for an object whose Load() returned true.
    std::string GetErrorText(const rk::db2::Sqlca& ca) const;

    rk::db2::SqlaintpFn sqlaintp_api = nullptr;
    rk::db2::SqlogsttFn sqlogstt = nullptr;

protected:
    bool ResolveEntryPoints() override
    {
        return Resolve(sqlaintp_api, "sqlaintp_api@20") && Resolve(sqlogstt, "sqlogstt");
    }
};
