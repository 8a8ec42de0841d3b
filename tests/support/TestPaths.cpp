#include "TestPaths.h"

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

std::string ExecutableDir()
{
#if defined(_WIN32)
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
#else
    char path[PATH_MAX] = {};
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0)
        path[length] = '\0';
#endif
    std::string full(path);
    const auto slash = full.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : full.substr(0, slash);
}

std::string BuildDir() { return ExecutableDir() + "/.."; }

std::string ProductLibraryPath()
{
#if defined(_WIN32)
    return ExecutableDir() + "/RkDb2Rova.dll";
#else
    return ExecutableDir() + "/RkDb2Rova.so";
#endif
}

std::string SimDir() { return BuildDir() + "/db2sim"; }

std::string DoublesDir(const std::string& variant) { return BuildDir() + "/doubles/" + variant; }

std::string PlatformPath(const std::string& path)
{
#if defined(_WIN32)
    if (!path.empty() && path[0] == '/')
        return "Z:" + path;
#endif
    return path;
}

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
