// The library's memory against the stand-in DB2 client (native flavour;
// figures and command in bench/README.md), counted at operator new: the
// bytes a handle keeps per listed database, and the module-wide memory
// across 1,000 repopulations. A program of its own, since counting every
// allocation slows the timings down.

#include <memory>

#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "StandIn.h"
#include "directory/CRkDatabaseList.h"
#include "directory/CRkNodeList.h"

namespace {

using namespace rk::bench;

// The bytes a handle keeps per listed database: its entries with their
// texts and its bookkeeping, counted at operator new.
void MemoryPerEntry(benchmark::State& state)
{
    const int databases = static_cast<int>(state.range(0));
    UseStore(databases, databases / 10);
    CRkNodeList nodes{rk::platform::SystemProfileRegistry()};
    CRkDatabaseList warmUp;
    PopulateAndWalk(warmUp, nodes);  // the node list and the stand-in's own state settle
    long long bytes = 0;
    long long blocks = 0;
    for (auto _ : state) {
        CRkDatabaseList list;
        const long long bytesBefore = rk::bench::LiveBytes();
        const long long blocksBefore = rk::bench::LiveBlocks();
        PopulateAndWalk(list, nodes);
        bytes = rk::bench::LiveBytes() - bytesBefore;
        blocks = rk::bench::LiveBlocks() - blocksBefore;
    }
    state.counters["bytes_per_entry"] = static_cast<double>(bytes) / databases;
    state.counters["blocks_per_entry"] = static_cast<double>(blocks) / databases;
}
BENCHMARK(MemoryPerEntry)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

// 1,000 repopulations of one directory, each into a handle that is then
// destroyed: what stays is the module-wide state (the node list), which
// must not grow.
void Repopulations(benchmark::State& state)
{
    UseStore(1000, 100);
    CRkNodeList nodes{rk::platform::SystemProfileRegistry()};
    long long growth = 0;
    for (auto _ : state) {
        long long afterFirst = 0;
        for (int i = 0; i < 1000; ++i) {
            {
                CRkDatabaseList list;
                PopulateAndWalk(list, nodes);
            }
            if (i == 0)
                afterFirst = rk::bench::LiveBytes();
        }
        growth = rk::bench::LiveBytes() - afterFirst;
    }
    state.counters["growth_bytes"] = static_cast<double>(growth);
}
BENCHMARK(Repopulations)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
