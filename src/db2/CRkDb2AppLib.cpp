#include "db2/CRkDb2AppLib.h"

bool CRkDb2AppLib::ResolveEntryPoints()
{
    db2DbDirOpenScan = db2DbDirCloseScan = db2DbDirGetNextEntry = nullptr;
    sqlenops_api = nullptr;
    sqlengne_api = nullptr;
    sqlencls_api = nullptr;
    sqledosd_api = nullptr;
    sqlectnd_api = nullptr;
    sqlecadb_api = nullptr;
    sqleuncn_api = nullptr;
    sqleuncd_api = nullptr;
    sqledgne_api = nullptr;
    sqledcls_api = nullptr;

    // Optional: a missing one stays null and is not a failure.
    Resolve(db2DbDirOpenScan, "db2DbDirOpenScan@12");
    Resolve(db2DbDirCloseScan, "db2DbDirCloseScan@12");
    Resolve(db2DbDirGetNextEntry, "db2DbDirGetNextEntry@12");

    // Required, in this lookup order; the first one missing ends the lookup.
    return Resolve(sqlenops_api, "sqlenops_api@12") && Resolve(sqlengne_api, "sqlengne_api@12") &&
           Resolve(sqlencls_api, "sqlencls_api@8") && Resolve(sqledcls_api, "sqledcls_api") &&
           Resolve(sqledgne_api, "sqledgne_api") && Resolve(sqledosd_api, "sqledosd_api") &&
           Resolve(sqlectnd_api, "sqlectnd_api") && Resolve(sqlecadb_api, "sqlecadb_api") &&
           Resolve(sqleuncn_api, "sqleuncn_api") && Resolve(sqleuncd_api, "sqleuncd_api");
}
