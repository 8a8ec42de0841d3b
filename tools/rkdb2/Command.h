#pragma once
// The sub-commands of rkdb2. Each lives in a file of its own and registers
// itself with a static CommandRegistration.

#include <string>
#include <vector>

#include "HostLibrary.h"

namespace rkdb2 {

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;    // the arguments, for the help text
    const char* summary;  // one line
    int (*run)(rk::host::HostLibrary& library, const Arguments& args);
};

const std::vector<Command>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(const Command& command);
};

} // namespace rkdb2
