#pragma once
// The entry points of the three DB2 client libraries: one list per library,
// one line per entry point, in the order they are looked up:
//
//   X(field, "exported name", function type, Required | Optional)
//
// The field is named after the entry point; the exported name is matched
// exactly, decoration behind "@" included. A required entry point that is
// missing fails the library's load and ends the lookup there; an optional
// one stays null and is tested where it is used.
//
// The library's fields and lookups (db2/CRkDb2*Lib.h), the stand-in's export
// tables (sim/CMakeLists.txt reads these lines: keep one entry per line) and
// the loader tests all come from these lists.

#include "db2/Db2Api.h"

namespace rk::db2 {

enum class EntryPointNeed { Required, Optional };

} // namespace rk::db2

// db2app.dll: the directory and catalog entry points. The newer directory
// interface (db2DbDir) is optional: older clients lack it.
#define RK_DB2APP_ENTRY_POINTS(X)                                           \
    X(db2DbDirOpenScan, "db2DbDirOpenScan@12", DbDirFn, Optional)           \
    X(db2DbDirCloseScan, "db2DbDirCloseScan@12", DbDirFn, Optional)         \
    X(db2DbDirGetNextEntry, "db2DbDirGetNextEntry@12", DbDirFn, Optional)   \
    X(sqlenops_api, "sqlenops_api@12", SqlenopsFn, Required)                \
    X(sqlengne_api, "sqlengne_api@12", SqlengneFn, Required)                \
    X(sqlencls_api, "sqlencls_api@8", SqlenclsFn, Required)                 \
    X(sqledcls_api, "sqledcls_api", SqledclsFn, Required)                   \
    X(sqledgne_api, "sqledgne_api", SqledgneFn, Required)                   \
    X(sqledosd_api, "sqledosd_api", SqledosdFn, Required)                   \
    X(sqlectnd_api, "sqlectnd_api", SqlectndFn, Required)                   \
    X(sqlecadb_api, "sqlecadb_api", SqlecadbFn, Required)                   \
    X(sqleuncn_api, "sqleuncn_api", SqleuncnFn, Required)                   \
    X(sqleuncd_api, "sqleuncd_api", SqleuncdFn, Required)

// db2sys.dll: DB2's message texts.
#define RK_DB2SYS_ENTRY_POINTS(X)                                           \
    X(sqlaintp_api, "sqlaintp_api@20", SqlaintpFn, Required)                \
    X(sqlogstt, "sqlogstt", SqlogsttFn, Required)

// db2cli.dll: the CLI entry points of the connection test.
#define RK_DB2CLI_ENTRY_POINTS(X)                                           \
    X(SQLAllocHandle, "SQLAllocHandle", SQLAllocHandleFn, Required)         \
    X(SQLFreeHandle, "SQLFreeHandle", SQLFreeHandleFn, Required)            \
    X(SQLConnect, "SQLConnect", SQLConnectFn, Required)                     \
    X(SQLDisconnect, "SQLDisconnect", SQLDisconnectFn, Required)            \
    X(SQLGetInfo, "SQLGetInfo", SQLGetInfoFn, Required)                     \
    X(SQLGetDiagRec, "SQLGetDiagRec", SQLGetDiagRecFn, Required)
