#pragma once
// Logs "load NAME" and "unload NAME" when the including library is loaded
// into and unloaded from a process, so tests can see which DB2 libraries
// were loaded, when, and in which order they were released. Include it in
// exactly one source file of a library, after defining RK_SIM_LIBRARY_NAME.

#include "SimHooks.h"

#if defined(_WIN32)
#  include <windows.h>
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        rk::sim::LogLine("load " RK_SIM_LIBRARY_NAME);
    else if (reason == DLL_PROCESS_DETACH)
        rk::sim::LogLine("unload " RK_SIM_LIBRARY_NAME);
    return TRUE;
}
#else
__attribute__((constructor)) static void RkSimLibraryLoaded() { rk::sim::LogLine("load " RK_SIM_LIBRARY_NAME); }
__attribute__((destructor)) static void RkSimLibraryUnloaded() { rk::sim::LogLine("unload " RK_SIM_LIBRARY_NAME); }
#endif
