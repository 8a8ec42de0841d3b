#include "platform/DynamicLibrary.h"

#include <windows.h>

#include "db2/Db2Names.h"

namespace rk::platform {
namespace {

class Win32LibraryLoader final : public LibraryLoader {
public:
    LibraryHandle Load(const std::string& fileName) override
    {
        return ::LoadLibraryA(fileName.c_str());
    }

    EntryPoint Lookup(LibraryHandle library, const char* exportName) override
    {
        // Through void(*)(void) to keep gcc's cast-function-type warning quiet.
        return reinterpret_cast<EntryPoint>(
            reinterpret_cast<void (*)(void)>(::GetProcAddress(static_cast<HMODULE>(library), rk::db2::ExportedName(exportName).c_str())));
    }

    void Release(LibraryHandle library) override { ::FreeLibrary(static_cast<HMODULE>(library)); }
};

} // namespace

LibraryLoader& SystemLibraryLoader()
{
    static Win32LibraryLoader loader;
    return loader;
}

} // namespace rk::platform
