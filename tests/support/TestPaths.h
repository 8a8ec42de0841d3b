#pragma once
// Where the build put what the tests load. Programs sit in bin/ beside the
// product library; the stand-in client in db2sim/ and the doubles in
// doubles/<variant>/, never beside a program.

#include <string>

#include "os/Paths.h"

namespace rk::test {

std::string ExecutableDir();
std::string BuildDir();
std::string ProductLibraryPath();
std::string SimDir();
std::string DoublesDir(const std::string& variant);

// A new, empty file name in the system's temporary directory.
std::string TemporaryPath(const std::string& stem);

} // namespace rk::test
