#include "os/LoadedLibrary.h"

#include <cstdlib>

#include <dlfcn.h>
#include <unistd.h>

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

std::string FindLibraryFile(const std::string& fileName)
{
    const char* path = std::getenv("LD_LIBRARY_PATH");
    if (path == nullptr)
        return "";
    const std::string dirs = path;
    for (std::size_t start = 0; start <= dirs.size();) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        const std::string dir = dirs.substr(start, end - start);
        const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + fileName;
        if (::access(candidate.c_str(), F_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return "";
}

bool UnloadFinalizesInReleaseOrder() { return false; }

} // namespace rk::os
