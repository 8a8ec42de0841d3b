// rkdb2 apply against the stand-in, as an administrator runs it (native
// flavour; figures and command in bench/README.md): a catalogue of 1,000
// databases over 100 nodes applied to an empty store, and to a store that
// already equals it (nothing to do). Wall time per entry, since each DB2
// step of the stand-in rewrites and flushes a directory file, and the DB2
// calls per entry from the stand-in's call log.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "TestPaths.h"
#include "os/Environment.h"
#include "os/Process.h"

namespace {

constexpr int kDatabases = 1000;
constexpr int kNodes = 100;

std::string CatalogueFile()
{
    static const std::string path = [] {
        const std::string file = rk::test::TemporaryPath("rkdb2-bench-catalogue") + ".json";
        std::ofstream out(file, std::ios::binary);
        out << "{\"nodes\": [";
        for (int n = 0; n < kNodes; ++n)
            out << (n ? "," : "") << "\n{\"name\": \"N" << n << "\", \"host\": \"host" << n
                << ".example.com\", \"service\": \"" << 50000 + n << "\", \"security\": \"" << (n % 2 ? "SSL" : "NONE")
                << "\"}";
        out << "],\n\"databases\": [";
        for (int d = 0; d < kDatabases; ++d)
            out << (d ? "," : "") << "\n{\"database\": \"D" << d << "\", \"node\": \"N" << d % kNodes
                << "\", \"authentication\": \"SERVER_ENCRYPT\", \"comment\": \"Benchmark database\"}";
        out << "]}\n";
        return file;
    }();
    return path;
}

// One `rkdb2 apply` into the store `dir`: its exit code, and the DB2 calls
// it made in `calls`.
int Apply(const std::string& dir, long& calls)
{
    const std::string log = dir + "/calls.log";
    std::remove(log.c_str());
    rk::os::SetEnv("RKDB2_SIM_HOME", dir);
    rk::os::SetEnv("RKDB2_SIM_CALL_LOG", log);
    const int exitCode =
        rk::os::RunProcess(rk::os::ExecutableDir() + "/rkdb2", {"apply", CatalogueFile()}, dir + "/output.txt");
    rk::os::UnsetEnv("RKDB2_SIM_CALL_LOG");
    calls = 0;
    std::ifstream lines(log);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("load ", 0) != 0 && line.rfind("unload ", 0) != 0)
            ++calls;
    return exitCode;
}

void ApplyCatalogue(benchmark::State& state)
{
    const bool equal = state.range(0) != 0;
    rk::os::SetEnv("LD_LIBRARY_PATH", RK_SIM_DIR);
    const std::string dir = rk::test::TemporaryPath("rkdb2-bench-apply");
    std::filesystem::create_directories(dir);
    long calls = 0;
    if (equal && Apply(dir, calls) != 0)
        state.SkipWithError("the first apply failed");
    double seconds = 0;
    long totalCalls = 0;
    for (auto _ : state) {
        if (!equal) {
            std::filesystem::remove_all(dir);
            std::filesystem::create_directories(dir);
        }
        const auto start = std::chrono::steady_clock::now();
        const int exitCode = Apply(dir, calls);
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (exitCode != 0)
            state.SkipWithError("rkdb2 apply failed");
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        totalCalls += calls;
    }
    const double entries = static_cast<double>(state.iterations()) * (kDatabases + kNodes);
    state.counters["ms_per_entry"] = seconds / entries * 1e3;
    state.counters["db2_calls_per_entry"] = static_cast<double>(totalCalls) / entries;
    std::filesystem::remove_all(dir);
}
BENCHMARK(ApplyCatalogue)->Arg(0)->Arg(1)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
