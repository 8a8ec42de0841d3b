#include "os/Paths.h"

#include <cstdlib>

namespace rk::os {

std::string PlatformPath(const std::string& path) { return path; }

std::string UserDataDirectory(const std::string& name)
{
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr && *home != '\0' ? home : ".") + "/." + name;
}

std::string TemporaryDirectory() { return "/tmp/"; }

std::string ExecutableFileName(const std::string& stem) { return stem; }

std::string LibraryFileName(const std::string& stem) { return stem + ".so"; }

} // namespace rk::os
