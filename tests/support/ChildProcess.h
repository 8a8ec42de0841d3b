#pragma once
// Runs another program of the build as a process of its own, for tests that
// need several processes at once. The child inherits the environment.

#include <string>
#include <vector>

namespace rk::test {

// Starts `program` with `args` and waits for it: its exit code, or -1 when
// it could not be started.
int RunProgram(const std::string& program, const std::vector<std::string>& args);

// rkdb2 of this build (beside the test programs) with `args`, pointed at
// the DB2 client of the test case.
int RunRkdb2(const std::vector<std::string>& args);

} // namespace rk::test
