#include "TestEnv.h"

#include <cstdlib>

#if defined(_WIN32)
#  include <windows.h>
#endif

namespace rk::test {

void SetEnv(const std::string& name, const std::string& value)
{
#if defined(_WIN32)
    ::SetEnvironmentVariableA(name.c_str(), value.c_str());
#else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

void UnsetEnv(const std::string& name)
{
#if defined(_WIN32)
    ::SetEnvironmentVariableA(name.c_str(), nullptr);
#else
    ::unsetenv(name.c_str());
#endif
}

} // namespace rk::test
