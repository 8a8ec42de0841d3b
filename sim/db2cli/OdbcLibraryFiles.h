#pragma once
// The files of the system's ODBC driver manager, per platform
// (OdbcLibraryFilesWin32.cpp, OdbcLibraryFilesPosix.cpp).

#include <string>
#include <vector>

namespace rk::sim {

// The driver manager: odbc32.dll on Windows, libodbc.so.2 on Linux.
std::string DriverManagerFile();

// Libraries loaded before the driver manager and held for the rest of the
// process with it.
std::vector<std::string> DriverManagerCompanionFiles();

} // namespace rk::sim
