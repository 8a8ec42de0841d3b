// db2cli.dll of the stand-in client: the six CLI entry points, forwarded to
// the system's ODBC driver manager, so that any ODBC data source stands in
// for a DB2 database.
//
// Faults (RKDB2_SIM_FAULTS, see SimHooks.h) for these entry points:
//   SQL_SUCCESS_WITH_INFO (1)  the call is forwarded and its outputs are the
//                              driver's; a success is reported as 1 instead
//                              (a connection made with a warning, say)
//   any other value            returned without forwarding; an allocation
//                              leaves its output handle null
// RKDB2_SIM_DIAG makes SQLGetDiagRec report made-up records instead of the
// driver's (SyntheticDiagnostics.h).

#include "SimHooks.h"

#include <cstdint>
#include <optional>

#include "ListedEntryPoints.h"
#include "OdbcDriverManager.h"
#include "SyntheticDiagnostics.h"
#include "db2/Db2Api.h"

using namespace rk::db2;
using rk::sim::DriverManager;

namespace {

// ODBC's environment attribute and value that let a driver manager hand out
// connection handles; DB2's CLI needs no such step.
constexpr CliInteger kOdbcAttrVersion = 200;
constexpr std::intptr_t kOdbcVersion3 = 3;

// The driver manager's own result codes other than these are failures.
bool Succeeded(CliReturn result) { return result == kCliSuccess || result == kCliSuccessWithInfo; }

// Runs `call` unless a fault replaces it; see the top of the file.
template <typename Call>
CliReturn Dispatch(const char* name, Call call)
{
    const std::optional<int> injected = rk::sim::EnterCall(name);
    if (injected && *injected != kCliSuccessWithInfo)
        return static_cast<CliReturn>(*injected);
    const CliReturn result = call();
    return injected && result == kCliSuccess ? kCliSuccessWithInfo : result;
}

} // namespace

extern "C" {

CliReturn RK_DB2_CALL SQLAllocHandle(short handleType, CliHandle input, CliHandle* output)
{
    if (output != nullptr)
        *output = nullptr;
    return Dispatch(rk::db2::listed::SQLAllocHandle, [&] {
        const auto* dm = DriverManager();
        if (dm == nullptr)
            return kCliError;
        const CliReturn result = dm->SQLAllocHandle(handleType, input, output);
        if (handleType != kCliHandleEnv || !Succeeded(result) || output == nullptr)
            return result;
        const CliReturn version =
            dm->SQLSetEnvAttr(*output, kOdbcAttrVersion, reinterpret_cast<void*>(kOdbcVersion3), 0);
        if (Succeeded(version))
            return result;
        dm->SQLFreeHandle(kCliHandleEnv, *output);
        *output = nullptr;
        return kCliError;
    });
}

CliReturn RK_DB2_CALL SQLFreeHandle(short handleType, CliHandle handle)
{
    return Dispatch(rk::db2::listed::SQLFreeHandle, [&] {
        const auto* dm = DriverManager();
        return dm != nullptr ? dm->SQLFreeHandle(handleType, handle) : kCliError;
    });
}

CliReturn RK_DB2_CALL SQLConnect(CliHandle dbc, unsigned char* dataSource, short dataSourceLength, unsigned char* user,
                                 short userLength, unsigned char* password, short passwordLength)
{
    return Dispatch(rk::db2::listed::SQLConnect, [&] {
        const auto* dm = DriverManager();
        return dm != nullptr
                   ? dm->SQLConnect(dbc, dataSource, dataSourceLength, user, userLength, password, passwordLength)
                   : kCliError;
    });
}

CliReturn RK_DB2_CALL SQLDisconnect(CliHandle dbc)
{
    return Dispatch(rk::db2::listed::SQLDisconnect, [&] {
        const auto* dm = DriverManager();
        return dm != nullptr ? dm->SQLDisconnect(dbc) : kCliError;
    });
}

CliReturn RK_DB2_CALL SQLGetInfo(CliHandle dbc, unsigned short infoType, void* value, short bufferLength,
                                 short* stringLength)
{
    return Dispatch(rk::db2::listed::SQLGetInfo, [&] {
        const auto* dm = DriverManager();
        return dm != nullptr ? dm->SQLGetInfo(dbc, infoType, value, bufferLength, stringLength) : kCliError;
    });
}

CliReturn RK_DB2_CALL SQLGetDiagRec(short handleType, CliHandle handle, short recordNumber, unsigned char* sqlstate,
                                    CliInteger* nativeError, unsigned char* messageText, short bufferLength,
                                    short* textLength)
{
    return Dispatch(rk::db2::listed::SQLGetDiagRec, [&] {
        const auto synthetic = rk::sim::SyntheticDiagnostics::FromEnvironment();
        if (synthetic && synthetic->Covers(handleType))
            return synthetic->GetRecord(handle, recordNumber, sqlstate, nativeError, messageText, bufferLength,
                                        textLength);
        const auto* dm = DriverManager();
        if (dm == nullptr)
            return kCliNoData;
        return dm->SQLGetDiagRec(handleType, handle, recordNumber, sqlstate, nativeError, messageText, bufferLength,
                                 textLength);
    });
}

} // extern "C"

RK_DB2CLI_ENTRY_POINTS(RK_SIM_CHECK_ENTRY_POINT)
