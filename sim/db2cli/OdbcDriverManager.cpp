#include "OdbcDriverManager.h"

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <dlfcn.h>
#endif

namespace rk::sim {
namespace {

#if defined(_WIN32)
constexpr const char* kDriverManagerFile = "odbc32.dll";
void* OpenLibrary(const char* file) { return reinterpret_cast<void*>(::LoadLibraryA(file)); }
void (*LookUp(void* library, const char* name))(void)
{
    return reinterpret_cast<void (*)(void)>(::GetProcAddress(static_cast<HMODULE>(library), name));
}
#else
constexpr const char* kDriverManagerFile = "libodbc.so.2";
// unixODBC's configuration library. Drivers such as SQLite's load and unload
// it around every connection; held here, it stays mapped, so that a leak
// report can still name the frames of the allocations it keeps.
constexpr const char* kConfigurationFile = "libodbcinst.so.2";
void* OpenLibrary(const char* file) { return ::dlopen(file, RTLD_NOW | RTLD_LOCAL); }
void (*LookUp(void* library, const char* name))(void)
{
    return reinterpret_cast<void (*)(void)>(::dlsym(library, name));
}
#endif

template <typename Fn>
bool Bind(void* library, Fn& field, const char* name)
{
    field = reinterpret_cast<Fn>(LookUp(library, name));
    return field != nullptr;
}

bool Load(OdbcDriverManager& dm)
{
#if !defined(_WIN32)
    OpenLibrary(kConfigurationFile);
#endif
    void* library = OpenLibrary(kDriverManagerFile);
    return library != nullptr && Bind(library, dm.SQLAllocHandle, "SQLAllocHandle") &&
           Bind(library, dm.SQLFreeHandle, "SQLFreeHandle") && Bind(library, dm.SQLConnect, "SQLConnect") &&
           Bind(library, dm.SQLDisconnect, "SQLDisconnect") && Bind(library, dm.SQLGetInfo, "SQLGetInfo") &&
           Bind(library, dm.SQLGetDiagRec, "SQLGetDiagRec") && Bind(library, dm.SQLSetEnvAttr, "SQLSetEnvAttr");
}

} // namespace

const OdbcDriverManager* DriverManager()
{
    static OdbcDriverManager dm;
    static const bool loaded = Load(dm);
    return loaded ? &dm : nullptr;
}

} // namespace rk::sim
