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

// The store could not be written. (Not verified.)
inline constexpr std::int32_t kSqlDirectoryIoError = -1039;

// Anything unexpected inside the stand-in itself. (Not verified.)
inline constexpr std::int32_t kSqlSystemError = -902;

// A directory file that cannot be read or does not parse: DB2's I/O errors
// of the node directory (SQL1038C) and of the database directory
// (SQL10004C), as DB2 reports a damaged directory. The tokens name the file
// and the damaged line. (Codes and wording recalled from DB2's message
// reference; not verified.)
inline constexpr std::int32_t kSqlNodeDirectoryIoError = -1038;
inline constexpr std::int32_t kSqlDatabaseDirectoryIoError = -10004;

} // namespace rk::sim
