#include "boundary/ModuleState.h"

// Constant-initialized, so it exists before any other module-wide object.
std::mutex g_directoryLock;

CRkNodeList g_nodeList;
CRkDb2Client g_db2Client;
CRkDatabaseListRegistry g_databaseLists;
