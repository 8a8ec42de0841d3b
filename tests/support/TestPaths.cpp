#include "TestPaths.h"

#include "HostLibrary.h"

#include <atomic>
#include <cstdio>
#include <string>

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <unistd.h>
#  include <climits>
#endif

namespace rk::test {

std::string ExecutableDir() { return host::ExecutableDir(); }

std::string BuildDir() { return ExecutableDir() + "/.."; }

std::string ProductLibraryPath() { return host::DefaultLibraryPath(); }

std::string SimDir() { return BuildDir() + "/db2sim"; }

std::string DoublesDir(const std::string& variant) { return BuildDir() + "/doubles/" + variant; }

std::string PlatformPath(const std::string& path) { return host::PlatformPath(path); }

std::string TemporaryPath(const std::string& stem)
{
    static std::atomic<int> counter{0};
#if defined(_WIN32)
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    const std::string base = std::string(dir) + stem + "-" + std::to_string(::GetCurrentProcessId());
#else
    const std::string base = "/tmp/" + stem + "-" + std::to_string(::getpid());
#endif
    const std::string path = base + "-" + std::to_string(counter++);
    std::remove(path.c_str());
    return path;
}

} // namespace rk::test
