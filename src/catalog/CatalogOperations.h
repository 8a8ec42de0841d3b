#pragma once
// Cataloguing a remote TCP/IP database with its node, and uncataloguing a
// database and a node. Each call loads its own pair of DB2 libraries and
// takes no lock: calls may run on several threads at once.

#include <string>

#include "platform/DynamicLibrary.h"

namespace rk::catalog {

// The node name of a host: its first RKDB2_NODE_NAME_LENGTH characters, taken
// unchanged. DB2
// refuses many of them (dots, a leading digit); hosts uncatalog by this same
// name, so it stays as it is.
std::string NodeNameOf(const std::string& hostName);

// Catalogs the node of `hostName`, then the database `databaseName` (also
// its alias) at it. True on success with `message` empty; otherwise false
// with the text of the failure: "Failed to load " and a file name, DB2's
// error text of the failed step (a node catalogued before a failed database
// step stays), or our own text for an argument refused before any DB2 call
// (a null text, a host name of more than 255 characters).
bool CatalogDatabase(const char* hostName, const char* databaseName, std::string& message,
                     platform::CRkLibraryLoader& loader);

// Uncatalogs the database `alias`, then the node `nodeName` (used whole).
// Messages as for CatalogDatabase; a database removed before a failed node
// step stays removed.
bool UncatalogDatabase(const char* alias, const char* nodeName, std::string& message,
                       platform::CRkLibraryLoader& loader);

} // namespace rk::catalog
