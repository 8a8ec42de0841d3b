#include "connect/CRkConnectionCheck.h"

#include <algorithm>
#include <climits>

#include "connect/CRkCliHandle.h"
#include "connect/CRkConnectMessage.h"
#include "db2/CRkDb2CliLib.h"
#include "rkdb2rova.h"

using namespace rk::db2;

namespace {

unsigned char* CliText(const char* text)
{
    // The CLI declares its text arguments writable but does not write them.
    return reinterpret_cast<unsigned char*>(const_cast<char*>(text));
}

// The DBMS-name field: the name's first bytes up to RKDB2_DBMS_NAME_SIZE,
// zero-padded when it is shorter, without a terminator when it is not.
void WriteDbmsNameField(const char* name, char* field)
{
    int i = 0;
    for (; i < RKDB2_DBMS_NAME_SIZE && name[i] != '\0'; ++i)
        field[i] = name[i];
    for (; i < RKDB2_DBMS_NAME_SIZE; ++i)
        field[i] = '\0';
}

} // namespace

bool CRkConnectionCheck::Run(CRkDb2CliLib& cliLib, const char* dataSource, const char* user, const char* password,
                             char* dbmsName, char* message)
{
    if (dbmsName == nullptr || message == nullptr)
        return false;
    if (!cliLib.Load())
        return false;
    CRkConnectMessage output(message);
    return CRkConnectionCheck(cliLib).Perform(dataSource, user, password, dbmsName, output);
}

bool CRkConnectionCheck::Perform(const char* dataSource, const char* user, const char* password, char* dbmsName,
                                 CRkConnectMessage& message)
{
    CRkCliHandle env(m_cli, kCliHandleEnv);
    if (m_cli.SQLAllocHandle(kCliHandleEnv, nullptr, env.Receive()) != kCliSuccess) {
        AppendDiagnostics(kCliHandleEnv, env.Get(), message);
        return false;
    }

    CRkCliHandle dbc(m_cli, kCliHandleDbc);
    if (m_cli.SQLAllocHandle(kCliHandleDbc, env.Get(), dbc.Receive()) != kCliSuccess) {
        // A failed allocation leaves no connection handle: its diagnostics
        // are posted on the input handle.
        AppendDiagnostics(kCliHandleEnv, env.Get(), message);
        return false;
    }

    CRkCliDisconnect disconnect(m_cli, dbc.Get());
    const bool connected = m_cli.SQLConnect(dbc.Get(), CliText(dataSource), kCliNts, CliText(user), kCliNts,
                                            CliText(password), kCliNts) == kCliSuccess;
    if (connected)
        message.Clear();
    else
        AppendDiagnostics(kCliHandleDbc, dbc.Get(), message);

    // Asked also after a failed connection: the name may come from the driver alone.
    QueryDbmsName(dbc.Get(), dbmsName, message);
    return connected;
}

void CRkConnectionCheck::QueryDbmsName(CliHandle dbc, char* dbmsName, CRkConnectMessage& message)
{
    char name[kCliDbmsNameBufferLength] = {};
    short length = 0;
    if (m_cli.SQLGetInfo(dbc, kCliDbmsName, name, kCliDbmsNameBufferLength, &length) != kCliSuccess) {
        AppendDiagnostics(kCliHandleDbc, dbc, message);
        return;
    }
    const int end = std::clamp<int>(length, 0, kCliDbmsNameBufferLength - 1);
    name[end] = '\0';
    WriteDbmsNameField(name, dbmsName);
}

void CRkConnectionCheck::AppendDiagnostics(short handleType, CliHandle handle, CRkConnectMessage& message)
{
    if (!message.BeginBlock())
        return;
    unsigned char sqlstate[kCliSqlstateBufferSize];
    CliInteger nativeError = 0;
    unsigned char text[kCliMessageTextBufferLength];
    short textLength = 0;
    // Ends at the first call that does not succeed: no more records, a text
    // longer than the buffer, or an error. The message bound ends it too,
    // long before the record number could overflow.
    for (short record = 1; record < SHRT_MAX; ++record) {
        sqlstate[0] = '\0';
        text[0] = '\0';
        if (m_cli.SQLGetDiagRec(handleType, handle, record, sqlstate, &nativeError, text, kCliMessageTextBufferLength,
                                &textLength) != kCliSuccess)
            break;
        sqlstate[kCliSqlstateBufferSize - 1] = '\0';
        text[kCliMessageTextBufferLength - 1] = '\0';
        if (!message.AppendRecord(reinterpret_cast<const char*>(sqlstate), nativeError,
                                  reinterpret_cast<const char*>(text)))
            break;
    }
    message.EndBlock();
}
