#pragma once
// Cataloguing a remote TCP/IP database with its node, and uncataloguing a
// database and a node. Each call loads its own pair of DB2 libraries.

#include <string>

#include "platform/DynamicLibrary.h"

namespace rk::catalog {

bool CatalogDatabase(const std::string& hostName, const std::string& databaseName, std::string& message,
                     platform::LibraryLoader& loader = platform::SystemLibraryLoader());

bool UncatalogDatabase(const std::string& alias, const std::string& nodeName, std::string& message,
                       platform::LibraryLoader& loader = platform::SystemLibraryLoader());

} // namespace rk::catalog
