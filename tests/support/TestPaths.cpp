#include "TestPaths.h"

#include "HostLibrary.h"

#include <atomic>
#include <cstdio>
#include <string>

#include "os/Process.h"

namespace rk::test {

std::string ExecutableDir() { return os::ExecutableDir(); }

std::string BuildDir() { return ExecutableDir() + "/.."; }

std::string ProductLibraryPath() { return host::DefaultLibraryPath(); }

std::string SimDir() { return BuildDir() + "/db2sim"; }

std::string DoublesDir(const std::string& variant) { return BuildDir() + "/doubles/" + variant; }

std::string TemporaryPath(const std::string& stem)
{
    static std::atomic<int> counter{0};
    const std::string base = os::TemporaryDirectory() + stem + "-" + std::to_string(os::CurrentProcessId());
    const std::string path = base + "-" + std::to_string(counter++);
    std::remove(path.c_str());
    return path;
}

} // namespace rk::test
