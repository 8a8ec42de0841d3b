#pragma once
// Where the DB2 client keeps the machine's default instance: the value
// DB2INSTDEF of the key GLOBAL_PROFILE below HKEY_LOCAL_MACHINE on Windows
// (the registry view of the process's bitness), the environment variable of
// that name elsewhere.

#include <cstddef>

namespace rk::db2::profile {

inline constexpr const char* kGlobalProfileKey = "SOFTWARE\\IBM\\DB2\\GLOBAL_PROFILE";
inline constexpr const char* kDefaultInstanceValue = "DB2INSTDEF";
// The library reads at most this many bytes of the value...
inline constexpr std::size_t kValueReadSize = 256;
// ...and takes a longer name than this as no default instance.
inline constexpr std::size_t kMaxDefaultInstanceLength = 11;

} // namespace rk::db2::profile
