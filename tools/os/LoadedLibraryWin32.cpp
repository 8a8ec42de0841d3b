#include "os/LoadedLibrary.h"

#include "os/Paths.h"

#include <windows.h>

namespace rk::os {

LoadedLibrary::LoadedLibrary(const std::string& path) : m_handle(::LoadLibraryA(PlatformPath(path).c_str())) {}

void LoadedLibrary::Unload()
{
    if (m_handle == nullptr)
        return;
    ::FreeLibrary(static_cast<HMODULE>(m_handle));
    m_handle = nullptr;
}

void* LoadedLibrary::Export(const char* name) const
{
    if (m_handle == nullptr)
        return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(m_handle), name));
}


bool CanSetLibrarySearchDirectory() { return true; }

void SetLibrarySearchDirectory(const std::string& dir) { ::SetDllDirectoryA(PlatformPath(dir).c_str()); }

bool UnloadFinalizesInReleaseOrder() { return true; }

} // namespace rk::os
