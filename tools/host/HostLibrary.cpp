#include "HostLibrary.h"

#include <cstdlib>

#include "os/Paths.h"
#include "os/Process.h"

namespace rk::host {
namespace {

template <typename Fn>
void Bind(Fn& field, void* address)
{
    // Through void(*)(void): exports are functions of differing types.
    field = reinterpret_cast<Fn>(reinterpret_cast<void (*)(void)>(address));
}

} // namespace

std::string DefaultLibraryPath()
{
    if (const char* configured = std::getenv("RKDB2_LIBRARY"))
        return configured;
    return os::ExecutableDir() + "/" + os::LibraryFileName("RkDb2Rova");
}

HostLibrary::HostLibrary() : HostLibrary(DefaultLibraryPath()) {}

HostLibrary::HostLibrary(const std::string& path) : m_library(path)
{
    if (!m_library.IsLoaded())
        return;
    Bind(CRkDatabaseListGetError, Export("CRkDatabaseListGetError"));
    Bind(CRkDatabaseListNew, Export("CRkDatabaseListNew"));
    Bind(CRkDatabaseListNext, Export("CRkDatabaseListNext"));
    Bind(CRkDatabaseListPopulate, Export("CRkDatabaseListPopulate"));
    Bind(CatalogDatabase, Export("CatalogDatabase"));
    Bind(GetDatabaseDetails, Export("GetDatabaseDetails"));
    Bind(RkConnect, Export("RkConnect"));
    Bind(UncatalogDatabase, Export("UncatalogDatabase"));
}


} // namespace rk::host
