#pragma once
// The running process and the programs it starts.

#include <string>
#include <vector>

namespace rk::os {

unsigned long CurrentProcessId();

// Runs `program` with `args` (which hold no double quotes) and this
// process's environment, and waits for it: its exit code, or -1 when it
// could not be started or did not exit normally.
int RunProcess(const std::string& program, const std::vector<std::string>& args);

} // namespace rk::os
