#include "UnloadCycles.h"

#include "os/Modules.h"

namespace rk::test {

CycleRemainder MeasureUnloadCycles(const std::string& path, int warmUp, int cycles, const LibraryUse& use)
{
    const std::string fileName = path.substr(path.find_last_of("/\\") + 1);
    bool unloaded = true;
    const auto cycle = [&] {
        {
            rk::host::HostLibrary library(path);
            if (library.IsLoaded())
                use(library);
        }
        unloaded = unloaded && rk::os::LoadedLibraryPath(fileName).empty();
    };
    for (int i = 0; i < warmUp; ++i)
        cycle();
    const ProcessMemory before = SampleProcessMemory();
    for (int i = 0; i < cycles; ++i)
        cycle();
    const ProcessMemory after = SampleProcessMemory();

    const auto perCycle = [cycles](long long a, long long b) { return static_cast<double>(b - a) / cycles; };
    CycleRemainder remainder;
    remainder.heapBytes = perCycle(before.heapBytes, after.heapBytes);
    remainder.heapBlocks = perCycle(before.heapBlocks, after.heapBlocks);
    remainder.privateBytes = perCycle(before.privateBytes, after.privateBytes);
    remainder.workingSet = perCycle(before.workingSet, after.workingSet);
    remainder.tlsSlots = perCycle(before.firstFreeTlsSlot, after.firstFreeTlsSlot);
    remainder.unloaded = unloaded;
    return remainder;
}

bool PopulateAndWalk(rk::host::HostLibrary& library)
{
    if (library.CRkDatabaseListNew == nullptr || library.CRkDatabaseListPopulate == nullptr ||
        library.CRkDatabaseListNext == nullptr || library.GetDatabaseDetails == nullptr)
        return false;
    RkDatabaseList* list = library.CRkDatabaseListNew();
    RkDatabaseEntry* entry = nullptr;
    if (list == nullptr || library.CRkDatabaseListPopulate(list, &entry) == 0)
        return false;
    char record[RKDB2_DETAILS_SIZE];
    for (; entry != nullptr; entry = library.CRkDatabaseListNext(list))
        library.GetDatabaseDetails(entry, record);
    return true;
}

void WriteCycleDirectory(SimStore& store)
{
    store.WriteNodes({{"NODE1", "db1.example.com"}, {"NODE2", "db2.example.com", "50001", "DB2"}});
    store.WriteDatabases({{"SALES", "SALES", "NODE1"}, {"STOCK", "STOCK", "NODE2"}, {"LOCALDB", "LOCALDB", "", "C:"}});
}

} // namespace rk::test
