#pragma once

#include <string>
#include <vector>

namespace rk::test {

// Runs rkdb2 of this build (beside the test programs) as a process of its
// own, with `args` (no quotes in them), the test case's DB2 client and this
// process's environment, and waits for it: its exit code, or -1.
int RunRkdb2(std::vector<std::string> args);
// The same, with what rkdb2 wrote to its standard output and error in
// `output`.
int RunRkdb2(std::vector<std::string> args, std::string& output);
// The same with `input` on its standard input.
int RunRkdb2(std::vector<std::string> args, std::string& output, const std::string& input);

} // namespace rk::test
