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

HostLibrary::HostLibrary() : HostLibrary(DefaultLibraryPath()) { }

HostLibrary::HostLibrary(const std::string& path) : m_library(path)
{
    if (!m_library.IsLoaded())
        return;
#define RK_HOST_BIND_EXPORT(name, ordinal, bytes) Bind(name, Export(#name));
    RK_EXPORTS(RK_HOST_BIND_EXPORT)
#undef RK_HOST_BIND_EXPORT
}

} // namespace rk::host
