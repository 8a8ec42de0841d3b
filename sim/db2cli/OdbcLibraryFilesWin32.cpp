#include "OdbcLibraryFiles.h"

namespace rk::sim {

std::string DriverManagerFile() { return "odbc32.dll"; }

std::vector<std::string> DriverManagerCompanionFiles() { return {}; }

} // namespace rk::sim
