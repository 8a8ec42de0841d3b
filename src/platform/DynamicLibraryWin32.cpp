#include "platform/DynamicLibrary.h"

#include <windows.h>

#include "db2/Db2Names.h"

namespace rk::platform {
namespace {

class CRkWin32LibraryLoader final : public CRkLibraryLoader {
public:
    LibraryHandle Load(const std::string& fileName) override { return ::LoadLibraryA(fileName.c_str()); }

    EntryPoint Lookup(LibraryHandle library, const char* exportName) override
    {
        // Through void(*)(void) to keep gcc's cast-function-type warning quiet.
        return reinterpret_cast<EntryPoint>(reinterpret_cast<void (*)(void)>(
            ::GetProcAddress(static_cast<HMODULE>(library), rk::db2::ExportedName(exportName).c_str())));
    }

    void Release(LibraryHandle library) override { ::FreeLibrary(static_cast<HMODULE>(library)); }
};

// At namespace scope, constant-initialized: a function-local static would
// take the C++ run-time's guard, whose first use has the statically linked
// winpthreads allocate its bookkeeping for the thread and a TLS slot, which
// it keeps after the module is unloaded.
CRkWin32LibraryLoader s_loader;

} // namespace

CRkLibraryLoader& SystemLibraryLoader() { return s_loader; }

} // namespace rk::platform
