#pragma once
// Running RkConnect with guarded outputs, and reading the rendered
// diagnostics back into blocks and records.

#include <optional>
#include <string>
#include <vector>

#include "CallLog.h"
#include "HostLibrary.h"

namespace rk::test {

// What the library must not touch is filled with this byte.
inline constexpr char kUntouched = '#';
inline const std::string kTrailer = "\n-------------------------\n";

struct ConnectOutcome {
    int result = -1;
    // The 8-byte DBMS-name field followed by guard bytes.
    std::string dbmsName;
    // The whole message buffer: RKDB2_CONNECT_MESSAGE_MAX bytes and guard bytes behind.
    std::string buffer;

    std::string DbmsField() const; // the field's 8 bytes
    bool DbmsNameUntouched() const;
    bool MessageUntouched() const;
    std::string Message() const; // up to the terminator
    // No byte behind the terminator was written, the guard bytes included.
    bool NothingWrittenBehindTheTerminator() const;
};

ConnectOutcome Connect(host::HostLibrary& library, const char* dataSource, const char* user, const char* password);

struct DiagRecord {
    std::string sqlstate;
    long long nativeError = 0;
    std::string text;
};
using DiagBlock = std::vector<DiagRecord>;

// The blocks of a message; nothing when the text departs from the block
// format anywhere.
std::optional<std::vector<DiagBlock>> ParseMessage(const std::string& message);

// The CLI calls in the stand-in's call log, in order.
std::vector<std::string> CliCalls(const CallLog& log);

// The data sources of the tests' ODBC configuration.
inline constexpr const char* kSqliteDsn = "RkSQLite";
inline constexpr const char* kPostgresDsn = "RkPostgres";

} // namespace rk::test
