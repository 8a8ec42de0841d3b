#pragma once

#include "db2/Db2Api.h"
#include "directory/CRkDatabaseEntry.h"

class CRkDb2AppLib;
class CRkNodeList;

namespace rk::directory {

// Which directory interface a scan of the system database directory uses.
enum class DatabaseDirectoryRoute { kNewer, kOlder };

// The newer db2DbDir interface needs all three of its entry points; a client
// lacking any of them is scanned through the older sqledosd family.
DatabaseDirectoryRoute ChooseRoute(const CRkDb2AppLib& appLib);

// Reads the system database directory through `appLib`, appending one entry
// per record to `entries`, each joined with its node in `nodes`. Every DB2
// call reports in `ca`. Entries appended before a failure stay.
bool ScanDatabaseDirectory(const CRkDb2AppLib& appLib, const CRkNodeList& nodes, db2::Sqlca& ca,
                           CRkDatabaseEntries& entries);

} // namespace rk::directory
