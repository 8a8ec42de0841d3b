// Listing cost inside the library, with a DB2 client that answers at once
// (in-process fake): a population of N catalogued databases at N/10 nodes,
// then the host's walk writing every entry's DatabaseDetails record.

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "FakeDirectoryClient.h"
#include "FakeProfileRegistry.h"
#include "directory/CRkDatabaseList.h"
#include "directory/CRkNodeList.h"
#include "directory/DatabaseDetailsRecord.h"
#include "rkdb2rova.h"

namespace {

void FillDirectories(int databases)
{
    auto& fake = rk::test::Fake();
    fake.nodes.clear();
    fake.databases.clear();
    for (int n = 0; n < databases / 10 + 1; ++n)
        fake.nodes.push_back(rk::test::NodeRecord(
            {"NODE" + std::to_string(n), "host" + std::to_string(n) + ".example.com", "50000", "DB2INST1", "", 18}));
    for (int d = 0; d < databases; ++d) {
        rk::test::DatabaseInfo info;
        info.alias = info.databaseName = "DB" + std::to_string(d);
        info.nodeName = "NODE" + std::to_string(d / 10);
        info.comment = "Benchmark database";
        fake.databases.push_back(rk::test::DatabaseRecord(info));
    }
}

void PopulateAndWalk(benchmark::State& state)
{
    rk::test::FakeAppLib app;
    FillDirectories(static_cast<int>(state.range(0)));
    rk::test::FakeProfileRegistry profile;
    CRkNodeList nodes{profile};
    char record[RKDB2_DETAILS_SIZE];
    for (auto _ : state) {
        CRkDatabaseList list;
        rk::test::Fake().calls.clear();
        const CRkDatabaseEntry* entry = list.Populate(app.Lib(), nodes).first;
        for (; entry != nullptr; entry = list.Next())
            rk::directory::WriteDatabaseDetails(*entry, record);
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
// 6,500 and 65,000 (DB2's scans count entries in 16 bits): linear cost
// takes ten times as long for the second.
BENCHMARK(PopulateAndWalk)->Arg(10)->Arg(100)->Arg(1000)->Arg(6500)->Arg(65000);

} // namespace
