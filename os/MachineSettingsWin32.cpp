#include "os/MachineSettings.h"

#include <cstring>
#include <vector>

#include <windows.h>

namespace rk::os {

std::optional<std::string> ReadMachineSetting(const char* key, const char* name, std::size_t maxBytes)
{
    std::vector<char> value(maxBytes + 1, '\0');
    DWORD size = static_cast<DWORD>(maxBytes);
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_ANY | RRF_NOEXPAND, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::string(value.data(), ::strnlen(value.data(), size));
}

} // namespace rk::os
