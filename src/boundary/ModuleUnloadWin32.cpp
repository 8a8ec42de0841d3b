// The loader's notifications. The module-wide objects are constructed by the
// C++ run-time before the attach notification reaches DllMain; they are
// destroyed here, before the run-time's own exit handlers run, and only when
// a host unloads the module with FreeLibrary (lpReserved null). When the
// process terminates (lpReserved not null), other DLLs, the DB2 client's
// among them, may already have been detached: nothing is released then, and
// the system reclaims it all.
#include <windows.h>

#include "boundary/ModuleState.h"

namespace __gnu_cxx {
// libstdc++'s release of its emergency exception pool (the block, about
// 73 KB on x86-64, it allocates at start-up for exceptions thrown when memory
// runs out). The run-time never frees it itself; a host that went on loading
// and freeing the module would keep one pool per cycle.
void __freeres();
} // namespace __gnu_cxx

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        rk::boundary::ReleaseModuleState();
        // The C++ run-time is linked statically: the pool is this module's
        // own, and no exception is in flight in it once the host frees it.
        __gnu_cxx::__freeres();
    }
    return TRUE;
}
