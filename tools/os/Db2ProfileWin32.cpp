#include "os/Db2Profile.h"

#include <cstring>

#include <windows.h>

#include "db2/Db2Profile.h"

namespace rk::os {

std::optional<std::string> DefaultInstanceProfileValue()
{
    using namespace rk::db2::profile;
    char value[kValueReadSize] = {};
    DWORD size = sizeof value;
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, kGlobalProfileKey, kDefaultInstanceValue, RRF_RT_ANY | RRF_NOEXPAND,
                       nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    // Data of any type up to its first NUL, as the library takes it.
    return std::string(value, ::strnlen(value, size));
}

} // namespace rk::os
