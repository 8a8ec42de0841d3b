#pragma once
// The module-wide objects. They are constructed in this order when the
// module is loaded, and destroyed in the reverse order by
// ReleaseModuleState() when it is unloaded from a process that goes on
// running.

#include <mutex>

#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2CliLib.h"
#include "db2/CRkDb2SysLib.h"
#include "directory/CRkDatabaseListRegistry.h"
#include "directory/CRkNodeList.h"

extern CRkNodeList& g_nodeList;
extern CRkDb2AppLib& g_db2AppLib;
extern CRkDb2SysLib& g_db2SysLib;
extern CRkDb2CliLib& g_db2CliLib;
// Last constructed, so the list handles and their entries go first at unload.
extern CRkDatabaseListRegistry& g_databaseLists;

// Serializes everything that touches the node list, the registry, or a list
// handle's entries, cursor and sqlca: a population holds it across all its
// directory calls, so no walk sees a half-built list and no two populations
// interleave. The connection test and the catalog exports never take it.
extern std::mutex g_directoryLock;

namespace rk::boundary {

// Destroys the module-wide objects in the reverse order of their
// construction: the library objects release their DB2 libraries, the
// registry destroys every list handle with its entries. Only for a module
// unloaded from a process that goes on running: when the process ends, the
// system reclaims everything, and the DB2 libraries may already be gone, so
// nothing is released then (the C++ run-time's exit handlers never destroy
// these objects). A second call does nothing.
void ReleaseModuleState();

} // namespace rk::boundary
