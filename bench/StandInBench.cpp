// The library's listing against the stand-in DB2 client (native flavour;
// figures and command in bench/README.md): a population and walk of a
// directory against a bare scan of the same directory through the same
// entry points, in turns within one run; the same for a directory ten times
// larger, for linearity; one catalog and uncatalog round trip; one connection
// test against the SQLite data source.

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>

#include <benchmark/benchmark.h>

#include "StandIn.h"
#include "TestEnv.h"
#include "catalog/CatalogOperations.h"
#include "connect/CRkConnectionCheck.h"
#include "db2/CRkDb2CliLib.h"
#include "db2/CRkDb2SysLib.h"
#include "directory/CRkDatabaseList.h"
#include "directory/CRkNodeList.h"
#include "rkdb2rova.h"

namespace {

using namespace rk::bench;

// The calling thread's CPU time: the stand-in's scans run on it too, and
// time the thread spends waiting for a busy machine does not count.
struct Clock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Clock, duration>;
    static time_point now()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
    }
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Population and walk against the bare scan, in turns; the reported time is
// the population's. A third turn is the bare scan that also reads the bytes
// of the fields a population reads: what a population cannot go below, since
// the stand-in builds every record when the scan opens and each then comes
// from memory. The third argument chooses the population: 0 the first of a
// new handle, every entry new; 1 a host's refresh, one handle repopulated
// from the unchanged directory, every entry found again.
void PopulationAgainstBareScan(benchmark::State& state)
{
    const int databases = static_cast<int>(state.range(0));
    const int nodes = static_cast<int>(state.range(1));
    UseStore(databases, nodes);
    CRkNodeList nodeList{rk::platform::SystemProfileRegistry()};
    const bool refresh = state.range(2) != 0;
    const auto records = static_cast<std::size_t>(databases + nodes);
    enum Turn { kBare, kReadingBare, kPopulation, kTurnCount };
    double seconds[kTurnCount] = {};
    int firstTurn = 0;
    auto list = std::make_unique<CRkDatabaseList>();
    if (refresh)
        PopulateAndWalk(*list, nodeList);
    for (auto _ : state) {
        // A new handle per iteration is destroyed outside the measured time:
        // a host's handles live until unload.
        if (!refresh)
            list = std::make_unique<CRkDatabaseList>();
        double populationSeconds = 0;
        // Each turn goes first in one iteration out of three.
        for (int i = 0; i < kTurnCount; ++i) {
            const int turn = (firstTurn + i) % kTurnCount;
            const auto start = Clock::now();
            const bool complete =
                turn == kPopulation
                    ? PopulateAndWalk(*list, nodeList) == static_cast<std::size_t>(databases)
                    : BareScan(App(), turn == kBare ? RecordBytes::kUnread : RecordBytes::kRead) == records;
            if (!complete)
                std::abort();
            const double elapsed = Seconds(Clock::now() - start);
            seconds[turn] += elapsed;
            if (turn == kPopulation)
                populationSeconds = elapsed;
        }
        firstTurn = (firstTurn + 1) % kTurnCount;
        state.SetIterationTime(populationSeconds);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["bare_scan_ms"] = seconds[kBare] / n * 1e3;
    state.counters["reading_scan_ms"] = seconds[kReadingBare] / n * 1e3;
    state.counters["population_ms"] = seconds[kPopulation] / n * 1e3;
    state.counters["ratio"] = seconds[kPopulation] / seconds[kBare];
    state.counters["ratio_to_reading"] = seconds[kPopulation] / seconds[kReadingBare];
}
BENCHMARK(PopulationAgainstBareScan)
    ->Args({10000, 1000, 0})
    ->Args({10000, 1000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Ten times the databases and the nodes: linear cost gives a ratio near 10.
// The bare scans of the same two directories show how the stand-in's own
// share grows, and the difference the library's. DB2's scans report their entry count in 16 bits, so no
// directory lists more than 65,535 entries: 6,500 and 65,000 stand for
// 10,000 and 100,000.
void TenfoldDirectory(benchmark::State& state)
{
    struct Size {
        int databases;
        int nodes;
        CRkNodeList nodeList{rk::platform::SystemProfileRegistry()};
        double population = 0;
        double bare = 0;
    } sizes[] = {{6500, 650}, {65000, 6500}};
    for (auto _ : state) {
        for (Size& size : sizes) {
            UseStore(size.databases, size.nodes);
            auto list = std::make_unique<CRkDatabaseList>();
            auto start = Clock::now();
            PopulateAndWalk(*list, size.nodeList);
            const double population = Seconds(Clock::now() - start);
            start = Clock::now();
            BareScan(App());
            size.bare += Seconds(Clock::now() - start);
            size.population += population;
            if (&size == &sizes[1])
                state.SetIterationTime(population);
        }
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["small_ms"] = sizes[0].population / n * 1e3;
    state.counters["large_ms"] = sizes[1].population / n * 1e3;
    state.counters["ratio"] = sizes[1].population / sizes[0].population;
    state.counters["bare_ratio"] = sizes[1].bare / sizes[0].bare;
    // The library's own share: what the population costs beyond the bare scan.
    state.counters["library_ratio"] = (sizes[1].population - sizes[1].bare) / (sizes[0].population - sizes[0].bare);
}
BENCHMARK(TenfoldDirectory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// One catalog of a remote database at the node of its host and one
// uncatalog of both, in the stand-in's store of the given size: each of the
// four DB2 steps reads and rewrites a directory file under the store's lock
// and flushes it to disk. Wall time. The process holds both DB2 libraries, as
// a module that has listed does, so each call's own load only counts a
// reference.
void CatalogRoundTrip(benchmark::State& state)
{
    UseStore(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    App();
    static CRkDb2SysLib sys{rk::platform::SystemLibraryLoader()};
    if (!sys.Load())
        std::abort();
    std::string message;
    for (auto _ : state) {
        if (!rk::catalog::CatalogDatabase("benchhost", "BENCHDB", message, rk::platform::SystemLibraryLoader()) ||
            !rk::catalog::UncatalogDatabase("BENCHDB", "benchhos", message, rk::platform::SystemLibraryLoader()))
            std::abort();
    }
}
BENCHMARK(CatalogRoundTrip)->Args({100, 10})->Args({10000, 1000})->Unit(benchmark::kMillisecond);

// One connection test through the stand-in's CLI and unixODBC's SQLite driver.
void ConnectSqlite(benchmark::State& state)
{
    rk::os::SetEnv("ODBCSYSINI", RK_ODBC_DIR);
    static CRkDb2CliLib cli{rk::platform::SystemLibraryLoader()};
    char dbmsName[RKDB2_DBMS_NAME_SIZE];
    static char message[RKDB2_CONNECT_MESSAGE_MAX];
    for (auto _ : state) {
        if (!CRkConnectionCheck::Run(cli, "RkSQLite", "user", "password", dbmsName, message))
            std::abort();
    }
}
BENCHMARK(ConnectSqlite)->Unit(benchmark::kMillisecond);

} // namespace
