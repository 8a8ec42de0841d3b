// What a FreeLibrary/LoadLibrary cycle of one library leaves behind in a
// Windows process (figures and command in bench/README.md):
//
//   bench_unload_memory LIBRARY [CYCLES [WARMUP]]
//
// Each cycle loads LIBRARY, uses it and frees it: the product library gets a
// list population and the host's walk through its exports, against the
// stand-in client of the build tree (db2sim/) and a small directory in a
// store of its own; a library exporting RkTrivialUse gets one call of it;
// any other library is only loaded and freed. Prints the growth per cycle
// of the process's heaps, its private memory and working set, and the
// thread-local storage slots it uses.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "SimStore.h"
#include "TestPaths.h"
#include "UnloadCycles.h"
#include "os/LoadedLibrary.h"

namespace {

using TrivialUse = int (*)();

void Use(rk::host::HostLibrary& library)
{
    if (library.CRkDatabaseListNew != nullptr) {
        if (!rk::test::PopulateAndWalk(library)) {
            std::fprintf(stderr, "population failed\n");
            std::exit(1);
        }
    } else if (void* address = library.Export("RkTrivialUse")) {
        reinterpret_cast<TrivialUse>(reinterpret_cast<void (*)(void)>(address))();
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LIBRARY [CYCLES [WARMUP]]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const int cycles = argc > 2 ? std::atoi(argv[2]) : 100;
    const int warmUp = argc > 3 ? std::atoi(argv[3]) : 10;
    if (cycles < 1 || warmUp < 0) {
        std::fprintf(stderr, "CYCLES must be positive, WARMUP not negative\n");
        return 2;
    }

    rk::os::SetLibrarySearchDirectory(rk::test::SimDir());
    rk::test::SimStore store;
    rk::test::WriteCycleDirectory(store);

    if (!rk::os::LoadedLibrary(path).IsLoaded()) {
        std::fprintf(stderr, "cannot load %s\n", path.c_str());
        return 1;
    }
    const rk::test::CycleRemainder r = rk::test::MeasureUnloadCycles(path, warmUp, cycles, Use);
    std::printf("%s: %d cycles after %d: per cycle heap %.1f bytes in %.2f blocks, private %.1f bytes, "
                "working set %.1f bytes, TLS slots %.2f\n",
                path.c_str(), cycles, warmUp, r.heapBytes, r.heapBlocks, r.privateBytes, r.workingSet, r.tlsSlots);
    if (!r.unloaded) {
        std::printf("%s stayed loaded after FreeLibrary: nothing was measured\n", path.c_str());
        return 1;
    }
    return 0;
}
