#pragma once
// One CLI connection test: connect, ask for the DBMS name, disconnect, and
// render the diagnostics of every call that did not succeed. Only
// SQL_SUCCESS counts as success; a warning fails its call.
//
// No lock is held while the CLI is called: a slow server blocks only its
// own caller.

#include <cstdint>

#include "db2/Db2Api.h"

class CRkDb2CliLib;
class CRkConnectMessage;

class CRkConnectionCheck {
public:
    // Runs one test through `cliLib`, loading it on first use. True when
    // SQLConnect returned SQL_SUCCESS. Arguments 1 to 3 reach SQLConnect
    // unchanged, null included. A null DBMS-name field or message output
    // refuses the test: nothing is loaded, called or written, and the result
    // is false.
    static bool Run(CRkDb2CliLib& cliLib, const char* dataSource, const char* user, const char* password,
                    char* dbmsName, char* message);

private:
    explicit CRkConnectionCheck(CRkDb2CliLib& cliLib) : m_cli(cliLib) { }

    bool Perform(const char* dataSource, const char* user, const char* password, char* dbmsName,
                 CRkConnectMessage& message);
    void QueryDbmsName(rk::db2::CliHandle dbc, char* dbmsName, CRkConnectMessage& message);
    // Appends one block with every diagnostic record of the handle.
    void AppendDiagnostics(short handleType, rk::db2::CliHandle handle, CRkConnectMessage& message);

    CRkDb2CliLib& m_cli;
};
