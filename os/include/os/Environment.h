#pragma once
// The process's environment variables, as the stand-in client and the
// product library read them: GetEnvironmentVariableA and
// SetEnvironmentVariableA on Windows (the C run-time's copy is not what
// either reads), getenv, setenv and unsetenv on Linux.

#include <string>

namespace rk::os {

// The variable's value; empty when it is unset (or, on Windows, longer than
// 4095 characters).
std::string GetEnv(const std::string& name);
void SetEnv(const std::string& name, const std::string& value);
void UnsetEnv(const std::string& name);

} // namespace rk::os
