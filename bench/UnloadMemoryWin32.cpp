// What a FreeLibrary/LoadLibrary cycle of one library leaves behind in a
// Windows process (figures and command in bench/README.md):
//
//   bench_unload_memory [--load-only | --keep-client] LIBRARY [CYCLES [WARMUP]]
//
// Each cycle loads LIBRARY, uses it (not with --load-only) and frees it: the
// product library gets a
// list population and the host's walk through its exports, against the
// stand-in client of the build tree (db2sim/) and a small directory in a
// store of its own; a library exporting RkTrivialUse gets one call of it;
// any other library is only loaded and freed. With --keep-client the
// program holds the stand-in's libraries itself for the whole run, so that
// the product library's cycles neither load nor free them: what remains is
// the product library's alone. Prints the growth per cycle
// of the process's heaps, its private memory and working set, and the
// thread-local storage slots it uses.

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "SimStore.h"
#include "TestPaths.h"
#include "UnloadCycles.h"
#include "db2/Db2Files.h"
#include "os/LoadedLibrary.h"

namespace {

using TrivialUse = int (*)();

bool s_loadOnly = false;
bool s_keepClient = false;

void Use(rk::host::HostLibrary& library)
{
    if (s_loadOnly)
        return;
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
    int first = 1;
    if (argc > 1 && std::string(argv[1]) == "--load-only") {
        s_loadOnly = true;
        ++first;
    } else if (argc > 1 && std::string(argv[1]) == "--keep-client") {
        s_keepClient = true;
        ++first;
    }
    if (argc <= first) {
        std::fprintf(stderr, "usage: %s [--load-only | --keep-client] LIBRARY [CYCLES [WARMUP]]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[first];
    const int cycles = argc > first + 1 ? std::atoi(argv[first + 1]) : 100;
    const int warmUp = argc > first + 2 ? std::atoi(argv[first + 2]) : 10;
    if (cycles < 1 || warmUp < 0) {
        std::fprintf(stderr, "CYCLES must be positive, WARMUP not negative\n");
        return 2;
    }

    rk::os::SetLibrarySearchDirectory(rk::test::SimDir());
    rk::test::SimStore store;
    rk::test::WriteCycleDirectory(store);
    std::optional<rk::os::LoadedLibrary> app;
    std::optional<rk::os::LoadedLibrary> sys;
    if (s_keepClient) {
        app.emplace(RK_DB2APP_FILE);
        sys.emplace(RK_DB2SYS_FILE);
        if (!app->IsLoaded() || !sys->IsLoaded()) {
            std::fprintf(stderr, "cannot load the stand-in's libraries from %s\n", rk::test::SimDir().c_str());
            return 1;
        }
    }

    if (!rk::os::LoadedLibrary(path).IsLoaded()) {
        std::fprintf(stderr, "cannot load %s\n", path.c_str());
        return 1;
    }
    const rk::test::CycleRemainder r = rk::test::MeasureUnloadCycles(path, warmUp, cycles, Use);
    std::printf("%s%s%s: %d cycles after %d: per cycle heap %.1f bytes in %.2f blocks, private %.1f bytes, "
                "working set %.1f bytes, TLS slots %.2f\n",
                path.c_str(), s_loadOnly ? " (load only)" : "", s_keepClient ? " (client kept loaded)" : "", cycles,
                warmUp, r.heapBytes, r.heapBlocks, r.privateBytes, r.workingSet, r.tlsSlots);
    if (!r.unloaded) {
        std::printf("%s stayed loaded after FreeLibrary: nothing was measured\n", path.c_str());
        return 1;
    }
    return 0;
}
