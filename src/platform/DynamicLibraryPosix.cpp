#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

#include "db2/Db2Names.h"

#include <string>

namespace rk::platform {
namespace {

class CRkPosixLibraryLoader final : public CRkLibraryLoader {
public:
    LibraryHandle Load(const std::string& fileName) override
    {
        return ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    }

    EntryPoint Lookup(LibraryHandle library, const char* exportName) override
    {
        void* address = ::dlsym(library, rk::db2::ExportedName(exportName).c_str());
        return reinterpret_cast<EntryPoint>(address);
    }

    void Release(LibraryHandle library) override { ::dlclose(library); }
};

} // namespace

CRkLibraryLoader& SystemLibraryLoader()
{
    static CRkPosixLibraryLoader loader;
    return loader;
}

} // namespace rk::platform
