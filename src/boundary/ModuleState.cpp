#include "boundary/ModuleState.h"

// Constant-initialized, so it exists before any other module-wide object.
std::mutex g_directoryLock;

CRkNodeList g_nodeList;
CRkDb2AppLib g_db2AppLib;
CRkDb2SysLib g_db2SysLib;
CRkDb2CliLib g_db2CliLib;
CRkDatabaseListRegistry g_databaseLists;
