#pragma once
// The DB2 profile registry: machine-wide DB2 settings. On Windows these are
// values under HKEY_LOCAL_MACHINE\SOFTWARE\IBM\DB2\GLOBAL_PROFILE; on Linux,
// which has no registry, the process environment variable of the same name
// stands in for each value. The one interface through which the rest of the
// library reaches RegOpenKeyExA/RegQueryValueExA/RegCloseKey (Windows) or
// getenv (Linux).

#include <cstddef>
#include <optional>
#include <string>

namespace rk::platform {

class CRkProfileRegistry {
public:
    virtual ~CRkProfileRegistry() = default;
    // Reads the profile value `valueName` into `buffer`, which may receive up
    // to `bufferSize` bytes. False when the profile, or the value, is absent,
    // or when the value's data (with its terminator) needs more than
    // `bufferSize` bytes. The value's type is not examined.
    virtual bool QueryValue(const char* valueName, unsigned char* buffer, std::size_t bufferSize) = 0;

    // A DB2 registry variable as the DB2 client resolves it: the process's
    // environment first, then the profile value (up to 1,024 bytes). Nothing
    // when neither sets it.
    virtual std::optional<std::string> Variable(const char* name);
};

// The profile registry of the platform the library runs on.
CRkProfileRegistry& SystemProfileRegistry();

} // namespace rk::platform
