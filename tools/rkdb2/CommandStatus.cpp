// rkdb2 status: whether the DB2 client can be loaded.

#include <cstdio>

#include "Command.h"

namespace {

int RunStatus(rk::host::HostLibrary& library, const rkdb2::Arguments&)
{
    // Creating a list handle loads db2app.dll and db2sys.dll, exactly as a
    // host's first listing would.
    if (library.CRkDatabaseListNew() == nullptr) {
        std::printf("DB2 client: not available (db2app.dll or db2sys.dll cannot be loaded, or lacks entry points)\n");
        return 1;
    }
    std::printf("DB2 client: loaded (db2app.dll, db2sys.dll)\n");
    return 0;
}

const rkdb2::CommandRegistration registration({"status", "", "whether the DB2 client can be loaded", RunStatus});

} // namespace
