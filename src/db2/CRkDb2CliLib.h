#pragma once

#include "db2/CRkDb2Lib.h"
#include "db2/Db2Files.h"

// db2cli.dll: the CLI entry points of the connection test. All required.
class CRkDb2CliLib final : public CRkDb2Lib {
public:
    explicit CRkDb2CliLib(rk::platform::CRkLibraryLoader& loader) : CRkDb2Lib(RK_DB2CLI_FILE, loader) { }

    RK_DB2CLI_ENTRY_POINTS(RK_DB2_ENTRY_POINT_FIELD)

protected:
    bool ResolveEntryPoints() override { return RK_DB2CLI_ENTRY_POINTS(RK_DB2_RESOLVE_ENTRY_POINT) true; }
};
