#include "os/LoadedLibrary.h"

#include <dlfcn.h>

namespace rk::os {

LoadedLibrary::LoadedLibrary(const std::string& path) : m_handle(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
{
    if (m_handle == nullptr)
        if (const char* error = ::dlerror())
            m_error = error;
}

void LoadedLibrary::Unload()
{
    if (m_handle == nullptr)
        return;
    ::dlclose(m_handle);
    m_handle = nullptr;
}

void* LoadedLibrary::Export(const char* name) const
{
    if (m_handle == nullptr)
        return nullptr;
    return ::dlsym(m_handle, name);
}

bool CanSetLibrarySearchDirectory() { return false; }

void SetLibrarySearchDirectory(const std::string&) { }

bool UnloadFinalizesInReleaseOrder() { return false; }

} // namespace rk::os
