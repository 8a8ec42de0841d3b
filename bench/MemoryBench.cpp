// The library's memory against the stand-in DB2 client (native flavour;
// figures and command in bench/README.md), counted at operator new: the
// bytes a handle keeps per listed database, and a handle's growth per
// population as a host repopulates it. A program of its own, since counting every
// allocation slows the timings down.

#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "StandIn.h"
#include "TestEnv.h"
#include "TestPaths.h"
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
    PopulateAndWalk(warmUp, nodes); // the node list and the stand-in's own state settle
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

// A host's pattern: one handle repopulated many times. The growth per
// population after the first, with the directory unchanged (range 1 = 0) or
// with 1% of its databases changed before each population.
void RepopulationsOfOneHandle(benchmark::State& state)
{
    const int databases = static_cast<int>(state.range(0));
    const bool changing = state.range(1) != 0;
    const std::string dir = rk::test::TemporaryPath("rkdb2-bench-changing");
    WriteStore(dir, databases, databases / 10, 0, 0);
    rk::os::SetEnv("RKDB2_SIM_HOME", dir);
    CRkNodeList nodes{rk::platform::SystemProfileRegistry()};
    CRkDatabaseList list;
    // Two populations: the second sizes the handle's second population vector.
    PopulateAndWalk(list, nodes);
    PopulateAndWalk(list, nodes);
    constexpr int kPopulations = 20;
    long long growth = 0;
    for (auto _ : state) {
        const long long before = rk::bench::LiveBytes();
        for (int i = 1; i <= kPopulations; ++i) {
            if (changing) {
                state.PauseTiming();
                WriteStore(dir, databases, databases / 10, databases / 100, i);
                state.ResumeTiming();
            }
            PopulateAndWalk(list, nodes);
        }
        growth = rk::bench::LiveBytes() - before;
    }
    state.counters["growth_bytes_per_population"] = static_cast<double>(growth) / kPopulations;
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
BENCHMARK(RepopulationsOfOneHandle)
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
