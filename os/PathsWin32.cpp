#include "os/Paths.h"

#include <windows.h>

#include "os/Environment.h"

namespace rk::os {

std::string PlatformPath(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return "Z:" + path;
    return path;
}

std::string UserDataDirectory(const std::string& name) { return GetEnv("USERPROFILE") + "\\" + name; }

std::string TemporaryDirectory()
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    return dir;
}

std::string ExecutableFileName(const std::string& stem) { return stem + ".exe"; }

std::string LibraryFileName(const std::string& stem) { return stem + ".dll"; }

} // namespace rk::os
