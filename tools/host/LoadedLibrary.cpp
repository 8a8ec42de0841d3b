#include "LoadedLibrary.h"

#include "HostLibrary.h"

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <dlfcn.h>
#endif

namespace rk::host {

LoadedLibrary::LoadedLibrary(const std::string& path)
{
#if defined(_WIN32)
    m_handle = ::LoadLibraryA(PlatformPath(path).c_str());
#else
    m_handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

void LoadedLibrary::Unload()
{
    if (m_handle == nullptr)
        return;
#if defined(_WIN32)
    ::FreeLibrary(static_cast<HMODULE>(m_handle));
#else
    ::dlclose(m_handle);
#endif
    m_handle = nullptr;
}

void* LoadedLibrary::Export(const char* name) const
{
    if (m_handle == nullptr)
        return nullptr;
#if defined(_WIN32)
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(m_handle), name));
#else
    return ::dlsym(m_handle, name);
#endif
}

} // namespace rk::host
