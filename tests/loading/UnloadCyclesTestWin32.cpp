// What a host's FreeLibrary/LoadLibrary cycles leave behind in the process
// (Windows: the run-time is linked into the module statically, so whatever
// it keeps per load stays behind when the module goes).

#include <gtest/gtest.h>

#include "LoadingFixture.h"
#include "SimStore.h"
#include "TestPaths.h"
#include "UnloadCycles.h"
#include "db2/Db2Files.h"
#include "os/LoadedLibrary.h"

namespace {

using LoadingWithClient = rk::test::Loading;

// Heap bytes a cycle may leave on average. Measured: none. The margin takes
// up to 6.4 KB of one-off growth over the 100 cycles (a table of Wine's or
// of the stand-in's reaching a new size) and is far below what the module
// keeps per load: its module-wide objects, a list handle with its entries,
// the run-time's emergency exception pool (73 KB), the static winpthreads'
// record of a thread (about 0.8 KB in 4 blocks, with a TLS slot).
constexpr double kHeapMarginPerCycle = 64;
// The 32-bit build leaves the static winpthreads' record of the loading
// thread per cycle, 393 bytes in 4 blocks and one TLS slot under 32-bit
// Wine: the run-time's unwinder registers the module's DWARF unwind tables
// at load, before any of the library's code, through a pthread_once that
// makes the record. A load without a call leaves the same. Up to that much
// is allowed there, and nothing more.
constexpr bool kThreadRecordRemains = sizeof(void*) == 4;
constexpr double kThreadRecordBytes = 512;

// 100 cycles, each a population and walk of a new handle, after 10 that
// let the process settle. The host holds the stand-in's libraries for the
// whole case, so that what they keep per load of their own (their own
// run-time's share) is not counted: the module's remainder is what is left.
TEST_F(LoadingWithClient, UnloadCyclesLeaveNothingBehind)
{
    library.Unload();
    rk::test::SimStore store;
    rk::test::WriteCycleDirectory(store);
    const rk::os::LoadedLibrary app(RK_DB2APP_FILE);
    const rk::os::LoadedLibrary sys(RK_DB2SYS_FILE);
    ASSERT_TRUE(app.IsLoaded() && sys.IsLoaded());

    bool populated = true;
    const rk::test::CycleRemainder remainder =
        rk::test::MeasureUnloadCycles(rk::test::ProductLibraryPath(), 10, 100, [&](rk::host::HostLibrary& cycle) {
            populated = rk::test::PopulateAndWalk(cycle) && populated;
        });

    ASSERT_TRUE(populated);
    ASSERT_TRUE(remainder.unloaded);
    EXPECT_LE(remainder.heapBytes, kThreadRecordRemains ? kThreadRecordBytes : kHeapMarginPerCycle)
        << remainder.heapBlocks << " blocks per cycle";
    EXPECT_LE(remainder.tlsSlots, kThreadRecordRemains ? 1 : 0);
}

} // namespace
