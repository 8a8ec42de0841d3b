#include "os/Environment.h"

#include <cstdlib>

namespace rk::os {

std::string GetEnv(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? std::string(value) : std::string();
}

void SetEnv(const std::string& name, const std::string& value) { ::setenv(name.c_str(), value.c_str(), 1); }

void UnsetEnv(const std::string& name) { ::unsetenv(name.c_str()); }

} // namespace rk::os
