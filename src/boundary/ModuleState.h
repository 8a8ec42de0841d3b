#pragma once
// The module-wide objects. They are defined in one translation unit so that
// they are constructed in this order when the module is loaded, and
// destroyed in the reverse order when it is unloaded.

#include <mutex>

#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2CliLib.h"
#include "db2/CRkDb2SysLib.h"
#include "directory/CRkDatabaseListRegistry.h"
#include "directory/CRkNodeList.h"

extern CRkNodeList g_nodeList;
extern CRkDb2AppLib g_db2AppLib;
extern CRkDb2SysLib g_db2SysLib;
extern CRkDb2CliLib g_db2CliLib;
// Last constructed, so the list handles and their entries go first at unload.
extern CRkDatabaseListRegistry g_databaseLists;

// Serializes everything that touches the node list, the registry, or a list
// handle's entries, cursor and sqlca: a population holds it across all its
// directory calls, so no walk sees a half-built list and no two populations
// interleave. The connection test and the catalog exports never take it.
extern std::mutex g_directoryLock;
