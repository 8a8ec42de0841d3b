#include "os/MachineSettings.h"

#include <cstdlib>

namespace rk::os {

std::optional<std::string> ReadMachineSetting(const char*, const char* name, std::size_t)
{
    if (const char* value = std::getenv(name))
        return std::string(value);
    return std::nullopt;
}

} // namespace rk::os
