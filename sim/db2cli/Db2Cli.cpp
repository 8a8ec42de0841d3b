// db2cli.dll of the stand-in client: the six CLI entry points, forwarded to
// the system's ODBC driver manager.
//
// SQLConnect resolves the data source name as a full DB2 client does: the
// directory, then db2cli.ini, then db2dsdriver.cfg (DataSourceResolution.h).
// A data source with a host is a server the stand-in reaches itself first,
// as DB2 does: a name that does not resolve gives SQL1336N, a port that does
// not answer SQL30081N with the socket's error; then the driver manager
// connects to it through the ODBC driver RKDB2_SIM_SERVER_DRIVER ("PostgreSQL
// Unicode" by default), and a refused password is SQL30082N. A name no DB2
// source names is taken as an ODBC data source of the system, so that any of
// them stands in for a DB2 database; one the driver manager does not know
// either is DB2's SQL1013N.
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
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "ConnectionDiagnostics.h"
#include "DataSourceResolution.h"
#include "ListedEntryPoints.h"
#include "OdbcDriverManager.h"
#include "SyntheticDiagnostics.h"
#include "db2/CliMessages.h"
#include "db2/Db2Api.h"
#include "os/Environment.h"
#include "os/Socket.h"

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

std::string Text(const unsigned char* text, short length)
{
    if (text == nullptr)
        return std::string();
    const auto* chars = reinterpret_cast<const char*>(text);
    return length == kCliNts ? std::string(chars)
                             : std::string(chars, static_cast<std::size_t>(std::max<short>(length, 0)));
}

// The SQLSTATE and text of the driver manager's first record of `dbc`.
std::string FirstRecord(const rk::sim::OdbcDriverManager& dm, CliHandle dbc, std::string& sqlstate)
{
    unsigned char state[6] = {};
    unsigned char text[1025] = {};
    CliInteger native = 0;
    short length = 0;
    if (!Succeeded(dm.SQLGetDiagRec(kCliHandleDbc, dbc, 1, state, &native, text, sizeof text, &length)))
        return std::string();
    sqlstate = reinterpret_cast<const char*>(state);
    return reinterpret_cast<const char*>(text);
}

int ConnectTimeoutMs()
{
    const int configured = std::atoi(rk::os::GetEnv("RKDB2_SIM_CONNECT_TIMEOUT_MS").c_str());
    return configured > 0 ? configured : 5000;
}

// A DB2 server behind `source`: reached as DB2 reaches it, then connected
// to through the driver manager.
CliReturn ConnectToServer(const rk::sim::OdbcDriverManager& dm, CliHandle dbc, const rk::db2config::DataSource& source,
                          const std::string& user, const std::string& password)
{
    std::vector<rk::os::SocketAddress> addresses;
    rk::os::NetError error;
    if (!rk::os::ResolveHost(source.host, source.port, addresses, error) || addresses.empty()) {
        rk::sim::SetConnectionDiagnostic(dbc, "08001", rk::db2::cli::kSqlcodeHostNotFound,
                                         rk::db2::cli::HostNotFoundText(source.host));
        return kCliError;
    }
    std::string location;
    bool reached = false;
    for (const auto& address : addresses) {
        rk::os::TcpConnection connection;
        location = address.text;
        if ((reached = connection.Connect(address, ConnectTimeoutMs(), error)))
            break;
    }
    if (!reached) {
        rk::sim::SetConnectionDiagnostic(dbc, "08001", rk::db2::cli::kSqlcodeCommunicationError,
                                         rk::db2::cli::CommunicationErrorText(location, "connect", error.code));
        return kCliError;
    }
    const std::string configured = rk::os::GetEnv("RKDB2_SIM_SERVER_DRIVER");
    std::string connection = "DRIVER={" + (configured.empty() ? std::string("PostgreSQL Unicode") : configured) +
                             "};SERVER=" + source.host + ";PORT=" + source.port + ";DATABASE=" + source.database +
                             ";UID=" + user + ";PWD=" + password + ";";
    const CliReturn result = dm.SQLDriverConnect(dbc, nullptr, reinterpret_cast<unsigned char*>(&connection[0]),
                                                 kCliNts, nullptr, 0, nullptr, 0 /* SQL_DRIVER_NOPROMPT */);
    std::fill(connection.begin(), connection.end(), '\0');
    if (Succeeded(result))
        return result;
    std::string sqlstate;
    if (FirstRecord(dm, dbc, sqlstate).find("password authentication failed") != std::string::npos)
        rk::sim::SetConnectionDiagnostic(dbc, "08001", rk::db2::cli::kSqlcodeSecurityFailed,
                                         rk::db2::cli::SecurityFailedText());
    return result;
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
        if (handleType == kCliHandleDbc)
            rk::sim::ClearConnectionDiagnostics(handle);
        const auto* dm = DriverManager();
        return dm != nullptr ? dm->SQLFreeHandle(handleType, handle) : kCliError;
    });
}

CliReturn RK_DB2_CALL SQLConnect(CliHandle dbc, unsigned char* dataSource, short dataSourceLength, unsigned char* user,
                                 short userLength, unsigned char* password, short passwordLength)
{
    return Dispatch(rk::db2::listed::SQLConnect, [&] {
        const auto* dm = DriverManager();
        if (dm == nullptr)
            return kCliError;
        rk::sim::ClearConnectionDiagnostics(dbc);
        const std::string name = Text(dataSource, dataSourceLength);
        const auto source = rk::sim::ResolveDataSource(name);
        if (source && !source->host.empty())
            return ConnectToServer(*dm, dbc, *source, Text(user, userLength), Text(password, passwordLength));
        const CliReturn result =
            dm->SQLConnect(dbc, dataSource, dataSourceLength, user, userLength, password, passwordLength);
        std::string sqlstate;
        if (!Succeeded(result) && (FirstRecord(*dm, dbc, sqlstate), sqlstate == "IM002"))
            rk::sim::SetConnectionDiagnostic(dbc, "08001", rk::db2::cli::kSqlcodeAliasNotFound,
                                             rk::db2::cli::AliasNotFoundText(name));
        return result;
    });
}

CliReturn RK_DB2_CALL SQLDisconnect(CliHandle dbc)
{
    return Dispatch(rk::db2::listed::SQLDisconnect, [&] {
        // Each call on a handle replaces its diagnostics, as ODBC's do.
        rk::sim::ClearConnectionDiagnostics(dbc);
        const auto* dm = DriverManager();
        return dm != nullptr ? dm->SQLDisconnect(dbc) : kCliError;
    });
}

CliReturn RK_DB2_CALL SQLGetInfo(CliHandle dbc, unsigned short infoType, void* value, short bufferLength,
                                 short* stringLength)
{
    return Dispatch(rk::db2::listed::SQLGetInfo, [&] {
        rk::sim::ClearConnectionDiagnostics(dbc);
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
        if (handleType == kCliHandleDbc && rk::sim::HasConnectionDiagnostics(handle))
            return rk::sim::GetConnectionDiagnostic(handle, recordNumber, sqlstate, nativeError, messageText,
                                                    bufferLength, textLength);
        const auto* dm = DriverManager();
        if (dm == nullptr)
            return kCliNoData;
        return dm->SQLGetDiagRec(handleType, handle, recordNumber, sqlstate, nativeError, messageText, bufferLength,
                                 textLength);
    });
}

} // extern "C"

RK_DB2CLI_ENTRY_POINTS(RK_SIM_CHECK_ENTRY_POINT)
