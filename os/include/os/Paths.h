#pragma once
// Paths and file names in the running platform's form.

#include <string>

namespace rk::os {

// A path in the form the running platform takes: under Wine a Unix path
// "/x/y" becomes "Z:/x/y"; any other path stays as it is.
std::string PlatformPath(const std::string& path);

// A directory of the user's own named after `name`: in the user's profile
// (USERPROFILE) on Windows; hidden (".name") in the home directory (HOME,
// else the working directory) elsewhere.
std::string UserDataDirectory(const std::string& name);

// The system's directory for temporary files, with a trailing separator.
std::string TemporaryDirectory();

// The file name of a program the build names `stem` ("rkdb2.exe", "rkdb2").
std::string ExecutableFileName(const std::string& stem);
// The file name of a shared library the build names `stem` ("RkDb2Rova.dll",
// "RkDb2Rova.so").
std::string LibraryFileName(const std::string& stem);

} // namespace rk::os
