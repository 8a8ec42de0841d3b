#pragma once
// A scan of the node directory through sqlenops_api, sqlengne_api and
// sqlencls_api.

#include <functional>

#include "db2/Db2Api.h"

class CRkDb2AppLib;

namespace rk::directory {

// Hands every node-info record (sqleninfo, DB2's own memory, valid during
// the call) to `take`, in directory order, every DB2 call reporting in `ca`.
// A node directory that is empty or missing is one without records. False
// when a DB2 call failed; the scan is closed either way.
bool ScanNodeDirectory(const CRkDb2AppLib& appLib, db2::Sqlca& ca,
                       const std::function<void(const unsigned char*)>& take);

} // namespace rk::directory
