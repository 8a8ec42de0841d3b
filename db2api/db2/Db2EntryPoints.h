#pragma once
// The entry points of the three DB2 client libraries: one list per library,
// one line per entry point, in the order they are looked up:
//
//   X(field, "exported name", function type, kRequired | kOptional)
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

enum class EntryPointNeed { kRequired, kOptional };

} // namespace rk::db2

// db2app.dll: the directory and catalog entry points. The newer directory
// interface (db2DbDir) and the alternate server's update are optional:
// older clients lack them.
#define RK_DB2APP_ENTRY_POINTS(X)                                          \
    X(db2DbDirOpenScan, "db2DbDirOpenScan@12", DbDirFn, kOptional)         \
    X(db2DbDirCloseScan, "db2DbDirCloseScan@12", DbDirFn, kOptional)       \
    X(db2DbDirGetNextEntry, "db2DbDirGetNextEntry@12", DbDirFn, kOptional) \
    X(sqlenops_api, "sqlenops_api@12", SqlenopsFn, kRequired)              \
    X(sqlengne_api, "sqlengne_api@12", SqlengneFn, kRequired)              \
    X(sqlencls_api, "sqlencls_api@8", SqlenclsFn, kRequired)               \
    X(sqledcls_api, "sqledcls_api", SqledclsFn, kRequired)                 \
    X(sqledgne_api, "sqledgne_api", SqledgneFn, kRequired)                 \
    X(sqledosd_api, "sqledosd_api", SqledosdFn, kRequired)                 \
    X(sqlectnd_api, "sqlectnd_api", SqlectndFn, kRequired)                 \
    X(sqlecadb_api, "sqlecadb_api", SqlecadbFn, kRequired)                 \
    X(sqleuncn_api, "sqleuncn_api", SqleuncnFn, kRequired)                 \
    X(sqleuncd_api, "sqleuncd_api", SqleuncdFn, kRequired)                 \
    X(db2UpdateAlternateServerForDB, "db2UpdateAlternateServerForDB@12", AltServerFn, kOptional)

// db2sys.dll: DB2's message texts.
#define RK_DB2SYS_ENTRY_POINTS(X)                             \
    X(sqlaintp_api, "sqlaintp_api@20", SqlaintpFn, kRequired) \
    X(sqlogstt, "sqlogstt", SqlogsttFn, kRequired)

// db2cli.dll: the CLI entry points of the connection test.
#define RK_DB2CLI_ENTRY_POINTS(X)                                    \
    X(SQLAllocHandle, "SQLAllocHandle", SQLAllocHandleFn, kRequired) \
    X(SQLFreeHandle, "SQLFreeHandle", SQLFreeHandleFn, kRequired)    \
    X(SQLConnect, "SQLConnect", SQLConnectFn, kRequired)             \
    X(SQLDisconnect, "SQLDisconnect", SQLDisconnectFn, kRequired)    \
    X(SQLGetInfo, "SQLGetInfo", SQLGetInfoFn, kRequired)             \
    X(SQLGetDiagRec, "SQLGetDiagRec", SQLGetDiagRecFn, kRequired)

// Each entry point's listed name as a constant named after its field, for
// code that names one entry point: rk::db2::listed::sqlenops_api is
// "sqlenops_api@12".
namespace rk::db2::listed {
#define RK_DB2_LISTED_NAME(field, exportName, Fn, need) inline constexpr char field[] = exportName;
RK_DB2APP_ENTRY_POINTS(RK_DB2_LISTED_NAME)
RK_DB2SYS_ENTRY_POINTS(RK_DB2_LISTED_NAME)
RK_DB2CLI_ENTRY_POINTS(RK_DB2_LISTED_NAME)
#undef RK_DB2_LISTED_NAME
} // namespace rk::db2::listed
