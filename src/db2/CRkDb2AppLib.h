#pragma once

#include "db2/CRkDb2Lib.h"
#include "db2/Db2Api.h"

// db2app.dll: the directory and catalog entry points. The three db2DbDir
// entry points of the newer directory interface are optional; older clients
// lack them.
class CRkDb2AppLib final : public CRkDb2Lib {
public:
    explicit CRkDb2AppLib(rk::platform::LibraryLoader& loader = rk::platform::SystemLibraryLoader())
        : CRkDb2Lib("db2app.dll", loader)
    {
    }

    rk::db2::DbDirFn db2DbDirOpenScan = nullptr;
    rk::db2::DbDirFn db2DbDirCloseScan = nullptr;
    rk::db2::DbDirFn db2DbDirGetNextEntry = nullptr;
    rk::db2::SqlenopsFn sqlenops_api = nullptr;
    rk::db2::SqlengneFn sqlengne_api = nullptr;
    rk::db2::SqlenclsFn sqlencls_api = nullptr;
    rk::db2::SqledosdFn sqledosd_api = nullptr;
    rk::db2::SqlectndFn sqlectnd_api = nullptr;
    rk::db2::SqlecadbFn sqlecadb_api = nullptr;
    rk::db2::SqleuncnFn sqleuncn_api = nullptr;
    rk::db2::SqleuncdFn sqleuncd_api = nullptr;
    rk::db2::SqledgneFn sqledgne_api = nullptr;
    rk::db2::SqledclsFn sqledcls_api = nullptr;

protected:
    bool ResolveEntryPoints() override;
};
