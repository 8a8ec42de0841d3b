// The loader's notifications. The module-wide objects are constructed by the
// C++ run-time before the attach notification reaches DllMain; they are
// destroyed here, before the run-time's own exit handlers run, and only when
// a host unloads the module with FreeLibrary (lpReserved null). When the
// process terminates (lpReserved not null), other DLLs, the DB2 client's
// among them, may already have been detached: nothing is released then, and
// the system reclaims it all.
#include <windows.h>

#include "boundary/ModuleState.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr)
        rk::boundary::ReleaseModuleState();
    return TRUE;
}
