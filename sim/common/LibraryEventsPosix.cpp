// Logs "load NAME" and "unload NAME" when the library is loaded into and
// unloaded from a process, so tests can see which DB2 libraries were loaded,
// when, and in which order they were released. Built into each library with
// RK_SIM_LIBRARY_NAME defined as its file name (sim/CMakeLists.txt).

#include "SimHooks.h"

__attribute__((constructor)) static void RkSimLibraryLoaded() { rk::sim::LogLine("load " RK_SIM_LIBRARY_NAME); }
__attribute__((destructor)) static void RkSimLibraryUnloaded() { rk::sim::LogLine("unload " RK_SIM_LIBRARY_NAME); }
