#include "ChildProcess.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "TestPaths.h"
#include "os/LoadedLibrary.h"
#include "os/Process.h"

namespace rk::test {

namespace {

// Where the library search can be set at run time, rkdb2 is told the
// client's directory; elsewhere the inherited LD_LIBRARY_PATH names it.
std::vector<std::string> WithClient(std::vector<std::string> args)
{
    if (const char* dir = std::getenv("RKDB2_TEST_CLIENT_DIR"); dir != nullptr && os::CanSetLibrarySearchDirectory())
        args.insert(args.begin(), {"--client-dir", os::PlatformPath(dir)});
    return args;
}

std::string Rkdb2() { return ExecutableDir() + "/" + os::ExecutableFileName("rkdb2"); }

} // namespace

int RunRkdb2(std::vector<std::string> args) { return os::RunProcess(Rkdb2(), WithClient(std::move(args))); }

int RunRkdb2(std::vector<std::string> args, std::string& output) { return RunRkdb2(std::move(args), output, ""); }

int RunRkdb2(std::vector<std::string> args, std::string& output, const std::string& input)
{
    const std::string path = TemporaryPath("rkdb2-output");
    std::string inputPath;
    if (!input.empty()) {
        inputPath = TemporaryPath("rkdb2-input");
        std::ofstream(inputPath, std::ios::binary) << input;
    }
    const int exitCode = os::RunProcess(Rkdb2(), WithClient(std::move(args)), path, inputPath);
    if (!inputPath.empty())
        std::remove(inputPath.c_str());
    std::ifstream file(path, std::ios::binary);
    output.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    file.close();
    std::remove(path.c_str());
    return exitCode;
}

} // namespace rk::test
