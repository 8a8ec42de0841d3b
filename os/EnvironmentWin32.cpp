#include "os/Environment.h"

#include <windows.h>

namespace rk::os {

std::string GetEnv(const std::string& name)
{
    char buffer[4096];
    const DWORD length = ::GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return std::string();
    return std::string(buffer, length);
}

void SetEnv(const std::string& name, const std::string& value)
{
    ::SetEnvironmentVariableA(name.c_str(), value.c_str());
}

void UnsetEnv(const std::string& name) { ::SetEnvironmentVariableA(name.c_str(), nullptr); }

} // namespace rk::os
