#pragma once
// A host's FreeLibrary/LoadLibrary cycles of one library, and what each
// cycle leaves behind in the process (Windows flavours: see ProcessMemory.h).

#include <functional>

#include "HostLibrary.h"
#include "ProcessMemory.h"
#include "SimStore.h"

namespace rk::test {

// Per cycle, averaged over the measured cycles.
struct CycleRemainder {
    double heapBytes = 0;
    double heapBlocks = 0;
    double privateBytes = 0;
    double workingSet = 0;
    double tlsSlots = 0;
    // False when the library was still loaded after a cycle had freed it:
    // then the cycles measured nothing.
    bool unloaded = true;
};

using LibraryUse = std::function<void(rk::host::HostLibrary&)>;

// Loads the library at `path`, hands it to `use`, and unloads it, first
// `warmUp` times unmeasured (the process's heaps and the system's caches
// settle), then `cycles` times between two samples.
CycleRemainder MeasureUnloadCycles(const std::string& path, int warmUp, int cycles, const LibraryUse& use);

// A host's round through the product library's exports: a new list handle,
// its population, and the walk reading every entry's details. False when an
// export is missing or the population fails.
bool PopulateAndWalk(rk::host::HostLibrary& library);

// A small directory of the stand-in, for the populations of the cycles.
void WriteCycleDirectory(SimStore& store);

} // namespace rk::test
