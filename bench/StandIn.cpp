#include "StandIn.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "CRkDirectoryStore.h"
#include "TestEnv.h"
#include "TestPaths.h"
#include "db2/CRkDb2AppLib.h"
#include "directory/CRkDatabaseEntry.h"
#include "directory/CRkDatabaseList.h"
#include "directory/CRkNodeList.h"
#include "directory/DatabaseDetailsRecord.h"
#include "rkdb2rova.h"

namespace rk::bench {
namespace {

using rk::sim::store::CRkDirectoryStore;
using rk::sim::store::DatabaseEntry;
using rk::sim::store::NodeEntry;

const std::string& StoreOf(int databases, int nodes)
{
    // Removed with the process.
    static struct Stores : std::map<std::pair<int, int>, std::string> {
        ~Stores()
        {
            std::error_code ignored;
            for (const auto& store : *this)
                std::filesystem::remove_all(store.second, ignored);
        }
    } stores;
    auto& dir = stores[{databases, nodes}];
    if (!dir.empty())
        return dir;
    dir = rk::test::TemporaryPath("rkdb2-bench");
    WriteStore(dir, databases, nodes, 0, 0);
    return dir;
}

} // namespace

void WriteStore(const std::string& dir, int databases, int nodes, int changed, int generation)
{
    const CRkDirectoryStore store(dir);
    std::vector<NodeEntry> nodeEntries;
    for (int n = 0; n < nodes; ++n)
        nodeEntries.push_back(
            {"N" + std::to_string(n), "host" + std::to_string(n) + ".example.com", "50000", "DB2INST1", "", "", 18});
    std::vector<DatabaseEntry> databaseEntries;
    for (int d = 0; d < databases; ++d)
        databaseEntries.push_back(
            {"D" + std::to_string(d), "D" + std::to_string(d), "", "", "N" + std::to_string(d % nodes), "9.07",
             d < changed ? "Revision " + std::to_string(generation) : "Benchmark database", '1', 255, -1, "", ""});
    if (!store.WriteNodes(nodeEntries) || !store.WriteDatabases(databaseEntries))
        std::abort();
}

void UseStore(int databases, int nodes) { rk::os::SetEnv("RKDB2_SIM_HOME", StoreOf(databases, nodes)); }

const CRkDb2AppLib& App()
{
    static CRkDb2AppLib app{rk::platform::SystemLibraryLoader()};
    if (!app.Load())
        std::abort();
    return app;
}

namespace {

// The sum of the bytes of an extended database record's fields that a
// population reads.
unsigned ReadFieldBytes(const unsigned char* record)
{
    unsigned sum = 0;
    for (const RecordSpan span : FieldSpans(DirectoryRecordLayout::kExtended))
        for (std::size_t i = span.begin; i < span.end; ++i)
            sum += record[i];
    return sum;
}

} // namespace

std::size_t BareScan(const CRkDb2AppLib& app, RecordBytes bytes)
{
    using namespace rk::db2;
    std::size_t records = 0;
    Sqlca ca{};
    unsigned short handle = 0;
    unsigned short count = 0;
    app.sqlenops_api(&handle, &count, &ca);
    for (unsigned i = 0; i < count; ++i) {
        unsigned char* record = nullptr;
        app.sqlengne_api(handle, &record, &ca);
        records += record != nullptr;
    }
    app.sqlencls_api(handle, &ca);

    DbDirOpenScanParams open{};
    app.db2DbDirOpenScan(kDbDirVersion, &open, &ca);
    for (unsigned i = 0; i < open.oNumEntries; ++i) {
        DbDirNextEntryParams next{};
        next.iHandle = open.oHandle;
        app.db2DbDirGetNextEntry(kDbDirVersion, &next, &ca);
        records += next.poDbDirEntry != nullptr;
        if (bytes == RecordBytes::kRead && next.poDbDirEntry != nullptr)
            benchmark::DoNotOptimize(ReadFieldBytes(static_cast<const unsigned char*>(next.poDbDirEntry)));
    }
    DbDirCloseScanParams close{};
    close.iHandle = open.oHandle;
    app.db2DbDirCloseScan(kDbDirVersion, &close, &ca);
    return records;
}

std::size_t PopulateAndWalk(CRkDatabaseList& list, CRkNodeList& nodes)
{
    static char record[RKDB2_DETAILS_SIZE];
    const auto population = list.Populate(App(), nodes);
    if (!population.succeeded)
        std::abort();
    const CRkDatabaseEntry* entry = population.first;
    std::size_t walked = 0;
    for (; entry != nullptr; entry = list.Next(), ++walked)
        rk::directory::WriteDatabaseDetails(*entry, record);
    benchmark::DoNotOptimize(record);
    return walked;
}

} // namespace rk::bench
