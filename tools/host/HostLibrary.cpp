#include "HostLibrary.h"

#include <cstdlib>

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <unistd.h>
#  include <climits>
#endif

namespace rk::host {
namespace {

template <typename Fn>
void Bind(Fn& field, void* address)
{
    // Through void(*)(void): exports are functions of differing types.
    field = reinterpret_cast<Fn>(reinterpret_cast<void (*)(void)>(address));
}

} // namespace

std::string ExecutableDir()
{
#if defined(_WIN32)
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
#else
    char path[PATH_MAX] = {};
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0)
        path[length] = '\0';
#endif
    std::string full(path);
    const auto slash = full.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : full.substr(0, slash);
}

std::string DefaultLibraryPath()
{
    if (const char* configured = std::getenv("RKDB2_LIBRARY"))
        return configured;
#if defined(_WIN32)
    return ExecutableDir() + "/RkDb2Rova.dll";
#else
    return ExecutableDir() + "/RkDb2Rova.so";
#endif
}

std::string PlatformPath(const std::string& path)
{
#if defined(_WIN32)
    if (!path.empty() && path[0] == '/')
        return "Z:" + path;
#endif
    return path;
}

HostLibrary::HostLibrary() : HostLibrary(DefaultLibraryPath()) {}

HostLibrary::HostLibrary(const std::string& path) : m_library(path)
{
    if (!m_library.IsLoaded())
        return;
#define RK_HOST_BIND_EXPORT(name, ordinal, bytes) Bind(name, Export(#name));
    RK_EXPORTS(RK_HOST_BIND_EXPORT)
#undef RK_HOST_BIND_EXPORT
}


} // namespace rk::host
