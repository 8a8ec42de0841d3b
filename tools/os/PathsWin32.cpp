#include "os/Paths.h"

#include <windows.h>

namespace rk::os {

std::string PlatformPath(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return "Z:" + path;
    return path;
}

std::string ExecutableDir()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path);
    const auto slash = full.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : full.substr(0, slash);
}

std::string TemporaryDirectory()
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    return dir;
}

std::string ExecutableFileName(const std::string& stem) { return stem + ".exe"; }

std::string LibraryFileName(const std::string& stem) { return stem + ".dll"; }

} // namespace rk::os
