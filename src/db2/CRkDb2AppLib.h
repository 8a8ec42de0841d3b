#pragma once

#include "db2/CRkDb2Lib.h"
#include "db2/Db2Files.h"

// db2app.dll: the directory and catalog entry points. The three db2DbDir
// entry points of the newer directory interface are optional; older clients
// lack them.
class CRkDb2AppLib final : public CRkDb2Lib {
public:
    explicit CRkDb2AppLib(rk::platform::CRkLibraryLoader& loader) : CRkDb2Lib(RK_DB2APP_FILE, loader) { }

    RK_DB2APP_ENTRY_POINTS(RK_DB2_ENTRY_POINT_FIELD)

protected:
    bool ResolveEntryPoints() override { return RK_DB2APP_ENTRY_POINTS(RK_DB2_RESOLVE_ENTRY_POINT) true; }
};
