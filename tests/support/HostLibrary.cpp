#include "HostLibrary.h"

#include "TestPaths.h"

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <dlfcn.h>
#endif

namespace rk::test {
namespace {

template <typename Fn>
void Bind(Fn& field, void* address)
{
    // Through void(*)(void): exports are functions of differing types.
    field = reinterpret_cast<Fn>(reinterpret_cast<void (*)(void)>(address));
}

} // namespace

HostLibrary::HostLibrary() : HostLibrary(ProductLibraryPath()) {}

HostLibrary::HostLibrary(const std::string& path)
{
#if defined(_WIN32)
    m_handle = ::LoadLibraryA(PlatformPath(path).c_str());
#else
    m_handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
    if (m_handle == nullptr)
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

HostLibrary::~HostLibrary() { Unload(); }

void HostLibrary::Unload()
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

void* HostLibrary::Export(const char* name) const
{
    if (m_handle == nullptr)
        return nullptr;
#if defined(_WIN32)
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(m_handle), name));
#else
    return ::dlsym(m_handle, name);
#endif
}

} // namespace rk::test
