#pragma once
// The system's ODBC driver manager, which the stand-in's CLI forwards to:
// odbc32.dll on Windows (under Wine it passes the calls on to the host's
// unixODBC), libodbc.so.2 on Linux.
//
// It is loaded at run time rather than linked: the stand-in exports the very
// names the driver manager does (SQLConnect, ...), and a linked import of the
// same name would resolve to the stand-in's own entry point.

#include "db2/Db2Api.h"

namespace rk::sim {

struct OdbcDriverManager {
    using SQLSetEnvAttrFn = db2::CliReturn(RK_DB2_CALL*)(db2::CliHandle env, db2::CliInteger attribute, void* value,
                                                         db2::CliInteger length);
    using SQLDriverConnectFn = db2::CliReturn(RK_DB2_CALL*)(db2::CliHandle dbc, void* window, unsigned char* in,
                                                            short inLength, unsigned char* out, short outMax,
                                                            short* outLength, unsigned short completion);

    db2::SQLAllocHandleFn SQLAllocHandle = nullptr;
    db2::SQLFreeHandleFn SQLFreeHandle = nullptr;
    db2::SQLConnectFn SQLConnect = nullptr;
    db2::SQLDisconnectFn SQLDisconnect = nullptr;
    db2::SQLGetInfoFn SQLGetInfo = nullptr;
    db2::SQLGetDiagRecFn SQLGetDiagRec = nullptr;
    SQLSetEnvAttrFn SQLSetEnvAttr = nullptr;
    SQLDriverConnectFn SQLDriverConnect = nullptr;
};

// The driver manager with every entry point resolved, loaded on first use; null
// when it is not installed. Once loaded it stays for the rest of the process,
// as a CLI keeps its drivers: unloading from a library's own unload is unsafe
// on Windows, and leak reports need its code still mapped to name it.
const OdbcDriverManager* DriverManager();

} // namespace rk::sim
