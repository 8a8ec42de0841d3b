// Unloading the library releases every list handle it handed out, with its
// entries. Measured as the bytes in use on the process's heaps (Windows).

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "HostLibrary.h"
#include "SimStore.h"

using namespace rk::test;

namespace {

std::size_t HeapBytesInUse()
{
    std::vector<HANDLE> heaps(256);
    const DWORD count = ::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    std::size_t total = 0;
    for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                total += entry.cbData;
        ::HeapUnlock(heaps[i]);
    }
    return total;
}

// Mended: list handles and their entries were never destroyed, not even
// when the library was unloaded.
TEST(DirectoryUnload, ReleasesEveryHandleWithItsEntries)
{
    SimStore store;
    store.WriteNodes({{"SRV1", std::string(255, 'h'), "50000", "DB2INST1", "", 18}});
    std::vector<StoreDatabase> databases;
    for (int i = 0; i < 100; ++i)
        databases.push_back({"DB" + std::to_string(100 + i), "DB" + std::to_string(100 + i), "SRV1", "C:", "SQL00001",
                             "9.07", std::string(30, 'c'), '1', 255, 0, std::string(255, 'a'), "50001"});
    store.WriteDatabases(databases);

    rk::host::HostLibrary library;
    ASSERT_TRUE(library.IsLoaded());
    // One listing first, so that what loading the DB2 client costs is in the baseline.
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(library.CRkDatabaseListNew(), &first));
    const std::size_t baseline = HeapBytesInUse();

    for (int handle = 0; handle < 10; ++handle) {
        RkDatabaseList* list = library.CRkDatabaseListNew();
        ASSERT_NE(nullptr, list);
        ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
        ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
    }
    const std::size_t listed = HeapBytesInUse();
    ASSERT_GT(listed, baseline + 1000 * 600) << "2000 entries of more than 600 bytes each";

    library.Unload();
    const std::size_t unloaded = HeapBytesInUse();
    EXPECT_LT(unloaded, baseline + (listed - baseline) / 10)
        << "baseline " << baseline << ", listed " << listed << ", unloaded " << unloaded;
}

} // namespace
