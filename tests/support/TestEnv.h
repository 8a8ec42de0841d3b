#pragma once
// Environment variables of the test process, as the stand-in client and the
// library read them (see os/Environment.h).

#include <string>

#include "os/Environment.h"

namespace rk::test {

// Sets a variable for one scope and restores the absence afterwards.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::string& value) : m_name(std::move(name)) { os::SetEnv(m_name, value); }
    ~ScopedEnv() { os::UnsetEnv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
};

} // namespace rk::test
