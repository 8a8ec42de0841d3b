// The loading case that only Windows has: the module's entry point at
// process exit.

#include <string>

#include <gtest/gtest.h>

#include <windows.h>

#include "LoadingFixture.h"
#include "db2/Db2Files.h"

namespace {

using LoadingWithClient = rk::test::Loading;

// The detach notification of a terminating process (lpReserved not null),
// sent the way the loader sends it: through the module's entry point. By
// then the DB2 libraries may be gone; the module must release nothing.
TEST_F(LoadingWithClient, ProcessExitReleasesNothing)
{
    ASSERT_NO_FATAL_FAILURE(LoadAllThree());

    const auto base = reinterpret_cast<const unsigned char*>(::GetModuleHandleA("RkDb2Rova.dll"));
    ASSERT_NE(nullptr, base);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto entryPoint = reinterpret_cast<BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID)>(
        reinterpret_cast<void (*)(void)>(base + nt->OptionalHeader.AddressOfEntryPoint));
    entryPoint(reinterpret_cast<HINSTANCE>(const_cast<unsigned char*>(base)), DLL_PROCESS_DETACH,
               reinterpret_cast<LPVOID>(1));

    for (const char* name : {RK_DB2APP_FILE, RK_DB2SYS_FILE, RK_DB2CLI_FILE}) {
        EXPECT_NE(nullptr, ::GetModuleHandleA(name)) << name;
        EXPECT_FALSE(Logged(std::string("unload ") + name));
    }
    // The run-time now counts the module as detached: the host's FreeLibrary
    // at the end of the case reaches neither DllMain nor a destructor.
}

} // namespace
