#pragma once
// The running process and the programs it starts.

#include <string>
#include <vector>

namespace rk::os {

unsigned long CurrentProcessId();

// The directory of the running program ("." when it cannot be found).
std::string ExecutableDir();

// Runs `program` with `args` (which hold no double quotes) and this
// process's environment, and waits for it: its exit code, or -1 when it
// could not be started or did not exit normally.
int RunProcess(const std::string& program, const std::vector<std::string>& args);
// The same with the program's standard output and error written to the file
// `outputPath` (created or emptied first), and its standard input read from
// the file `inputPath` unless that is empty (then it is this process's).
int RunProcess(const std::string& program, const std::vector<std::string>& args, const std::string& outputPath,
               const std::string& inputPath = "");

} // namespace rk::os
