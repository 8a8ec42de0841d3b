#pragma once

#include "db2/CRkDb2Lib.h"
#include "db2/Db2Api.h"

// db2cli.dll: the CLI entry points of the connection test. All required.
class CRkDb2CliLib final : public CRkDb2Lib {
public:
    explicit CRkDb2CliLib(rk::platform::LibraryLoader& loader = rk::platform::SystemLibraryLoader())
        : CRkDb2Lib("db2cli.dll", loader)
    {
    }

    rk::db2::SQLAllocHandleFn SQLAllocHandle = nullptr;
    rk::db2::SQLFreeHandleFn SQLFreeHandle = nullptr;
    rk::db2::SQLConnectFn SQLConnect = nullptr;
    rk::db2::SQLDisconnectFn SQLDisconnect = nullptr;
    rk::db2::SQLGetInfoFn SQLGetInfo = nullptr;
    rk::db2::SQLGetDiagRecFn SQLGetDiagRec = nullptr;

protected:
    bool ResolveEntryPoints() override
    {
        // Stops at the first name not found; the later ones are not looked up.
        return Resolve(SQLAllocHandle, "SQLAllocHandle") && Resolve(SQLFreeHandle, "SQLFreeHandle") &&
               Resolve(SQLConnect, "SQLConnect") && Resolve(SQLDisconnect, "SQLDisconnect") &&
               Resolve(SQLGetInfo, "SQLGetInfo") && Resolve(SQLGetDiagRec, "SQLGetDiagRec");
    }
};
