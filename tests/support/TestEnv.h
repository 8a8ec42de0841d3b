#pragma once
// Environment variables of the test process, as the stand-in client and the
// library read them (GetEnvironmentVariableA on Windows, getenv on Linux).

#include <string>

namespace rk::test {

void SetEnv(const std::string& name, const std::string& value);
void UnsetEnv(const std::string& name);

// Sets a variable for one scope and restores the absence afterwards.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::string& value) : m_name(std::move(name)) { SetEnv(m_name, value); }
    ~ScopedEnv() { UnsetEnv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
};

} // namespace rk::test
