#pragma once
// SQLCODEs the stand-in client reports besides the directory codes of
// db2/Db2Api.h. DB2 has codes for these situations, but which one it uses
// for each was not verified: these are plausible choices.

#include <cstdint>

namespace rk::sim {

// A parameter DB2 cannot use: null pointer, unknown scan handle, version of
// the db2DbDir* interface other than 8020000, protocol other than TCP/IP.
// The token names the parameter. (Not verified.)
inline constexpr std::int32_t kSqlParameterNotValid = -2032;

// DB2's I/O errors of the node directory (SQL1038C) and of the database
// directory (SQL1039C; SQL10004C with the same text on UNIX systems). The
// stand-in reports a store it cannot write with the first two, and a
// directory file that cannot be read or does not parse, as DB2 reports a
// damaged directory, with SQL1038C and SQL10004C; then the tokens name the
// file and the damaged line (DB2's message has no token for them, so they
// stay in sqlerrmc only).
inline constexpr std::int32_t kSqlNodeDirectoryIoError = -1038;
inline constexpr std::int32_t kSqlDatabaseDirectoryIoError = -1039;
inline constexpr std::int32_t kSqlDatabaseDirectoryDamaged = -10004;

// Anything unexpected inside the stand-in itself. (Not verified.)
inline constexpr std::int32_t kSqlSystemError = -902;

} // namespace rk::sim
