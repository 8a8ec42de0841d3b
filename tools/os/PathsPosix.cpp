#include "os/Paths.h"

#include <climits>

#include <unistd.h>

namespace rk::os {

std::string PlatformPath(const std::string& path) { return path; }

std::string ExecutableDir()
{
    char path[PATH_MAX] = {};
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0)
        path[length] = '\0';
    const std::string full(path);
    const auto slash = full.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : full.substr(0, slash);
}

std::string TemporaryDirectory() { return "/tmp/"; }

std::string ExecutableFileName(const std::string& stem) { return stem; }

std::string LibraryFileName(const std::string& stem) { return stem + ".so"; }

} // namespace rk::os
