#pragma once
// The module-wide objects. They are constructed in this order when the
// module is loaded, and destroyed in the reverse order by
// ReleaseModuleState() when it is unloaded from a process that goes on
// running.

#include <mutex>

#include "datasources/CRkDataSourceListRegistry.h"
#include "db2/CRkDb2Client.h"
#include "directory/CRkDatabaseListRegistry.h"
#include "directory/CRkNodeList.h"

extern CRkNodeList& g_nodeList;
// db2app.dll, db2sys.dll and db2cli.dll.
extern CRkDb2Client& g_db2Client;
// Last constructed, so the list handles and their entries go first at unload.
extern CRkDatabaseListRegistry& g_databaseLists;
extern CRkDataSourceListRegistry& g_dataSourceLists;

// Serializes everything that touches the node list, the registries, or a
// list handle's entries, cursor and sqlca: a population holds it across all its
// directory calls, so no walk sees a half-built list and no two populations
// interleave. The connection test and the catalog exports never take it.
extern std::mutex g_directoryLock;

namespace rk::boundary {

// Destroys the module-wide objects in the reverse order of their
// construction: the registry destroys every list handle with its entries,
// the client releases its DB2 libraries. Only for a module unloaded from a
// process that goes on running: when the process ends, the system reclaims
// everything, and the DB2 libraries may already be gone, so nothing is
// released then (the C++ run-time's exit handlers never destroy these
// objects). A second call does nothing.
void ReleaseModuleState();

} // namespace rk::boundary
