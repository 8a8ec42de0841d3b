#pragma once
// How the stand-in's CLI finds the database behind a data source name, as a
// full DB2 client does: the system database directory (joined with its
// node) first, then db2cli.ini, then db2dsdriver.cfg, found and read as the
// library finds and reads them (db2config/).

#include <optional>
#include <string>

#include "db2config/DataSources.h"

namespace rk::sim {

// The first data source that names `alias` (in any case), or nothing.
std::optional<db2config::DataSource> ResolveDataSource(const std::string& alias);

} // namespace rk::sim
