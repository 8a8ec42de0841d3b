#pragma once
// The diagnostic records the stand-in's CLI makes for a connection handle
// itself, where a DB2 client reports a failure the driver manager never
// sees: the communication error of a server that does not answer, an alias
// no source names. They replace the driver manager's records of the handle
// until its next connection attempt or its release.

#include <string>

#include "db2/Db2Api.h"

namespace rk::sim {

void SetConnectionDiagnostic(db2::CliHandle dbc, const std::string& sqlstate, db2::CliInteger nativeError,
                             const std::string& text);
void ClearConnectionDiagnostics(db2::CliHandle dbc);
bool HasConnectionDiagnostics(db2::CliHandle dbc);

// SQLGetDiagRec over the records of `dbc`, as ODBC answers it: SQL_NO_DATA
// past the last one, the text cut to the buffer with SQL_SUCCESS_WITH_INFO.
db2::CliReturn GetConnectionDiagnostic(db2::CliHandle dbc, short recordNumber, unsigned char* sqlstate,
                                       db2::CliInteger* nativeError, unsigned char* text, short bufferLength,
                                       short* textLength);

} // namespace rk::sim
