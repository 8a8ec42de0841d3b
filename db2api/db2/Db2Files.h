#pragma once
// The DB2 client's file names for the bitness being built, as string
// literals (they join with adjacent literals: "Failed to load " RK_DB2APP_FILE).
// The build defines RK_DB2_FILE_SUFFIX: "64" for 64-bit Windows, whose
// client is db2app64.dll, db2sys64.dll and db2cli64.dll, empty otherwise.

#ifndef RK_DB2_FILE_SUFFIX
#error "RK_DB2_FILE_SUFFIX is defined by the build (link rk_db2_api)"
#endif

#define RK_DB2APP_FILE "db2app" RK_DB2_FILE_SUFFIX ".dll"
#define RK_DB2SYS_FILE "db2sys" RK_DB2_FILE_SUFFIX ".dll"
#define RK_DB2CLI_FILE "db2cli" RK_DB2_FILE_SUFFIX ".dll"

namespace rk::db2 {

// On Windows the other bitness's client has files of its own names
// (db2app64.dll beside db2app.dll), which the build defines the suffix of;
// Linux names both bitnesses' files alike, so there is none.
#ifdef RK_DB2_OTHER_FILE_SUFFIX
inline constexpr const char* kOtherBitnessFileSuffix = RK_DB2_OTHER_FILE_SUFFIX;
#else
inline constexpr const char* kOtherBitnessFileSuffix = nullptr;
#endif

// The 64-bit client also exports the two message entry points from its
// application library: where db2sys64.dll cannot be loaded at all, they are
// taken from db2app64.dll instead.
inline constexpr bool kMessagesFallBackToApp = sizeof(RK_DB2_FILE_SUFFIX) > 1;

} // namespace rk::db2
