#include "os/Paths.h"

namespace rk::os {

std::string PlatformPath(const std::string& path) { return path; }

std::string TemporaryDirectory() { return "/tmp/"; }

std::string ExecutableFileName(const std::string& stem) { return stem; }

std::string LibraryFileName(const std::string& stem) { return stem + ".so"; }

} // namespace rk::os
