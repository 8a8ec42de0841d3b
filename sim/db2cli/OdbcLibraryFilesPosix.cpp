#include "OdbcLibraryFiles.h"

namespace rk::sim {

std::string DriverManagerFile() { return "libodbc.so.2"; }

// unixODBC's configuration library. Drivers such as SQLite's load and unload
// it around every connection; held here, it stays mapped, so that a leak
// report can still name the frames of the allocations it keeps.
std::vector<std::string> DriverManagerCompanionFiles() { return {"libodbcinst.so.2"}; }

} // namespace rk::sim
