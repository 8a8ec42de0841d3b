#include "OdbcDriverManager.h"

#include "OdbcLibraryFiles.h"
#include "os/LoadedLibrary.h"

namespace rk::sim {
namespace {

template <typename Fn>
bool Bind(const os::LoadedLibrary& library, Fn& field, const char* name)
{
    // Through void(*)(void): entry points are functions of differing types.
    field = reinterpret_cast<Fn>(reinterpret_cast<void (*)(void)>(library.Export(name)));
    return field != nullptr;
}

bool Load(OdbcDriverManager& dm)
{
    for (const auto& file : DriverManagerCompanionFiles())
        os::LoadedLibrary(file).KeepForProcessLife();
    os::LoadedLibrary library(DriverManagerFile());
    const bool bound = library.IsLoaded() && Bind(library, dm.SQLAllocHandle, "SQLAllocHandle") &&
                       Bind(library, dm.SQLFreeHandle, "SQLFreeHandle") && Bind(library, dm.SQLConnect, "SQLConnect") &&
                       Bind(library, dm.SQLDisconnect, "SQLDisconnect") && Bind(library, dm.SQLGetInfo, "SQLGetInfo") &&
                       Bind(library, dm.SQLGetDiagRec, "SQLGetDiagRec") &&
                       Bind(library, dm.SQLSetEnvAttr, "SQLSetEnvAttr") &&
                       Bind(library, dm.SQLDriverConnect, "SQLDriverConnect");
    library.KeepForProcessLife();
    return bound;
}

} // namespace

const OdbcDriverManager* DriverManager()
{
    static OdbcDriverManager dm;
    static const bool loaded = Load(dm);
    return loaded ? &dm : nullptr;
}

} // namespace rk::sim
