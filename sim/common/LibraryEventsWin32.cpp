// Logs "load NAME" and "unload NAME" when the library is loaded into and
// unloaded from a process, so tests can see which DB2 libraries were loaded,
// when, and in which order they were released. Built into each library with
// RK_SIM_LIBRARY_NAME defined as its file name (sim/CMakeLists.txt).

#include "SimHooks.h"

#include <windows.h>

namespace __gnu_cxx {
// libstdc++'s release of its emergency exception pool, which the run-time
// never frees itself (see src/boundary/ModuleUnloadWin32.cpp).
void __freeres();
} // namespace __gnu_cxx

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        rk::sim::LogLine("load " RK_SIM_LIBRARY_NAME);
    } else if (reason == DLL_PROCESS_DETACH) {
        rk::sim::LogLine("unload " RK_SIM_LIBRARY_NAME);
        // Each stand-in library links the C++ run-time statically: unloaded
        // from a process that goes on running, it gives its pool back.
        if (reserved == nullptr)
            __gnu_cxx::__freeres();
    }
    return TRUE;
}
