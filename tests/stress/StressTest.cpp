// Load: eight threads share the library for a fixed number of rounds. List
// threads create, populate and walk handles and read every entry's details
// and the handles' error texts, while the stand-in fails some directory
// calls; catalog threads catalog and uncatalog databases of their own;
// connection threads test connections to SQLite. Afterwards: every walk saw
// the whole list of one population, every result agreed with the store,
// each module-wide DB2 library was loaded once, and the store holds what the
// threads left.

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "CRkDirectoryStore.h"
#include "CallLog.h"
#include "ConnectTestSupport.h"
#include "HostLibrary.h"
#include "TestEnv.h"
#include "TestPaths.h"
#include "db2/Db2Files.h"

using namespace rk::test;
using rk::sim::store::CRkDirectoryStore;
using rk::sim::store::DatabaseEntry;
using rk::sim::store::NodeEntry;

namespace {

constexpr int kRounds = 12;
constexpr int kNodeCount = 12;
constexpr int kDatabaseCount = 36;

enum class Role { kList, kCatalog, kConnect };
// What each of the eight threads does.
constexpr Role kRoles[] = {Role::kList,    Role::kList,    Role::kList,    Role::kList,
                           Role::kCatalog, Role::kCatalog, Role::kConnect, Role::kConnect};

// Directory calls the stand-in fails with SQL1039C, counted over the whole
// process: whichever population makes such a call fails, and only that one.
const char* const kFaults = "sqlenops_api@12#7=-1039,db2DbDirOpenScan@12#3=-1039,db2DbDirOpenScan@12#19=-1039,"
                            "db2DbDirGetNextEntry@12#50=-1039";
constexpr int kFailedPopulations = 4;

std::string NodeName(int n) { return "NODE" + std::to_string(n); }

std::vector<NodeEntry> Nodes()
{
    // Linux nodes and z/OS nodes, whose databases are their own instance.
    std::vector<NodeEntry> nodes;
    for (int n = 0; n < kNodeCount; ++n)
        nodes.push_back({NodeName(n), "host" + std::to_string(n) + ".example.com", std::to_string(50000 + n),
                         "INST" + std::to_string(n), "", "", static_cast<std::uint16_t>(n % 3 == 0 ? 8 : 18)});
    return nodes;
}

std::vector<DatabaseEntry> Databases()
{
    std::vector<DatabaseEntry> databases;
    for (int d = 0; d < kDatabaseCount; ++d) {
        const std::string name = "DB" + std::to_string(100 + d);
        databases.push_back({name, "NAME" + std::to_string(d), "", "", NodeName(d % kNodeCount), "9.07",
                             "comment of " + name, '1', 255, -1, "", ""});
    }
    return databases;
}

// Catalog thread t catalogs database CTtRrr in round r at the node of host
// CTtRrrSV.stress.example, whose first 8 characters name the node; every
// third round's database and node stay, the others it uncatalogs again.
std::string CataloguedName(int thread, int round)
{
    return "CT" + std::to_string(thread) + (round < 10 ? "R0" : "R") + std::to_string(round);
}
std::string CataloguedHost(int thread, int round) { return CataloguedName(thread, round) + "SV.stress.example"; }
std::string CataloguedNode(int thread, int round) { return CataloguedHost(thread, round).substr(0, 8); }
bool Kept(int round) { return round % 3 == 0; }

// Every database a catalog thread catalogs, by name: its thread and round.
std::map<std::string, std::pair<int, int>> CataloguedDatabases()
{
    std::map<std::string, std::pair<int, int>> names;
    for (int t = 0; t < static_cast<int>(std::size(kRoles)); ++t)
        for (int round = 0; kRoles[t] == Role::kCatalog && round < kRounds; ++round)
            names[CataloguedName(t, round)] = {t, round};
    return names;
}

// Catalog threads interleave their entries in the files: directories are
// compared in name order.
template <typename Entry>
std::vector<Entry> SortedBy(std::vector<Entry> entries, std::string Entry::*name)
{
    std::sort(entries.begin(), entries.end(), [name](const Entry& a, const Entry& b) { return a.*name < b.*name; });
    return entries;
}

// The directories as the threads leave them: the fixed entries and what the
// catalog threads keep.
std::vector<NodeEntry> ExpectedNodes()
{
    std::vector<NodeEntry> nodes = Nodes();
    for (const auto& [name, catalogued] : CataloguedDatabases())
        if (Kept(catalogued.second))
            nodes.push_back({CataloguedNode(catalogued.first, catalogued.second),
                             CataloguedHost(catalogued.first, catalogued.second), "50000", "", "", "", 0});
    return SortedBy(nodes, &NodeEntry::nodeName);
}

std::vector<DatabaseEntry> ExpectedDatabases()
{
    std::vector<DatabaseEntry> databases = Databases();
    for (const auto& [name, catalogued] : CataloguedDatabases())
        if (Kept(catalogued.second))
            databases.push_back({name, name, "", "", CataloguedNode(catalogued.first, catalogued.second), "", "", '1',
                                 255, -1, "", ""});
    return SortedBy(databases, &DatabaseEntry::alias);
}

class Stress : public testing::Test {
protected:
    // Before the library: its load events must be logged. Of the calls only
    // the catalog steps, which are counted: a log of every call would be
    // thousands of lines that the threads take turns to write.
    CallLog log{"sqlectnd_api,sqlecadb_api,sqleuncd_api,sqleuncn_api"};
    ScopedFaults faults{kFaults};
    CRkDirectoryStore store{TemporaryPath("rkdb2-stress")};
    rk::host::HostLibrary library;
    const std::vector<NodeEntry> nodes = Nodes();
    const std::vector<DatabaseEntry> databases = Databases();

    std::mutex problemsMutex;
    std::vector<std::string> problems;
    std::atomic<int> failedPopulations{0};
    std::atomic<int> walks{0};
    std::atomic<int> connections{0};
    std::atomic<int> catalogues{0};
    std::atomic<int> uncatalogues{0};

    // Set once the first list handle exists: the module then holds its DB2
    // libraries until unload.
    std::mutex listMutex;
    std::condition_variable listCreated;
    bool anyListCreated = false;

    void SetUp() override
    {
        ASSERT_TRUE(library.IsLoaded());
        rk::os::SetEnv("RKDB2_SIM_HOME", store.Directory());
        ASSERT_TRUE(store.WriteNodes(nodes));
        ASSERT_TRUE(store.WriteDatabases(databases));
    }

    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(store.Directory(), ignored);
        rk::os::UnsetEnv("RKDB2_SIM_HOME");
    }

    void Problem(const std::string& what)
    {
        std::lock_guard<std::mutex> lock(problemsMutex);
        problems.push_back(what);
    }

    std::string ErrorText(RkDatabaseList* list)
    {
        char text[1024];
        library.CRkDatabaseListGetError(list, text, sizeof text);
        return text;
    }

    DatabaseDetails Details(RkDatabaseEntry* entry)
    {
        DatabaseDetails details;
        std::memset(&details, '#', sizeof details);
        library.GetDatabaseDetails(entry, reinterpret_cast<char*>(&details));
        return details;
    }

    // The entry's details against the store's database and its node.
    void CheckDetails(RkDatabaseEntry* entry, const DatabaseEntry& database)
    {
        const DatabaseDetails details = Details(entry);
        const NodeEntry& node = nodes[std::stoi(database.nodeName.substr(4))];
        const std::string instance = node.osType == 8 ? database.databaseName : node.instanceName;
        const std::string seen = std::string(details.alias) + "|" + details.databaseName + "|" + details.nodeName +
                                 "|" + details.hostName + "|" + details.serviceName + "|" + details.instanceName + "|" +
                                 details.comment + "|" + details.platform;
        const std::string wanted = database.alias + "|" + database.databaseName + "|" + database.nodeName + "|" +
                                   node.hostName + "|" + node.serviceName + "|" + instance + "|" + database.comment +
                                   "|" + (node.osType == 8 ? "Z/OS" : "Linux");
        if (seen != wanted)
            Problem("details " + seen + " instead of " + wanted);
    }

    // The entries behind the fixed databases: the catalog threads' databases
    // that existed when the population read the database directory. Each
    // catalog thread's are those it keeps up to one round and that round's,
    // in round order. Their node may have come after the population read the
    // node directory: then no node fields.
    void CheckCatalogued(const std::vector<RkDatabaseEntry*>& entries)
    {
        static const auto catalogued = CataloguedDatabases();
        std::map<int, std::vector<int>> roundsSeen;
        for (RkDatabaseEntry* entry : entries) {
            const DatabaseDetails details = Details(entry);
            const auto it = catalogued.find(details.alias);
            if (it == catalogued.end()) {
                Problem(std::string("unexpected database ") + details.alias);
                continue;
            }
            const auto [thread, round] = it->second;
            roundsSeen[thread].push_back(round);
            const std::string seen = std::string(details.alias) + "|" + details.databaseName + "|" + details.nodeName +
                                     "|" + details.comment + "|" + details.entryType + "|" + details.hostName + "|" +
                                     details.serviceName + "|" + details.platform;
            const std::string wanted =
                it->first + "|" + it->first + "|" + CataloguedNode(thread, round) + "||SQL_REMOTE|";
            if (seen != wanted + CataloguedHost(thread, round) + "|50000|UNKNOWN" && seen != wanted + "||")
                Problem("details " + seen);
        }
        for (const auto& [thread, rounds] : roundsSeen) {
            std::vector<int> possible;
            for (int round = 0; round < rounds.back(); ++round)
                if (Kept(round))
                    possible.push_back(round);
            possible.push_back(rounds.back());
            if (rounds != possible)
                Problem("catalog thread " + std::to_string(thread) + ": " + std::to_string(rounds.size()) +
                        " databases seen, up to round " + std::to_string(rounds.back()));
        }
    }

    // One population of `list` and the walk over it; a failed population is
    // checked and repeated.
    void PopulateAndWalk(RkDatabaseList* list)
    {
        RkDatabaseEntry* entry = nullptr;
        while (library.CRkDatabaseListPopulate(list, &entry) != 1) {
            ++failedPopulations;
            const std::string text = ErrorText(list);
            if (entry != nullptr || text.rfind("SQL1039C", 0) != 0 || text.find("SQLCODE = -1039") == std::string::npos)
                Problem("failed population reported " + text);
        }
        std::vector<RkDatabaseEntry*> walked;
        for (; entry != nullptr; entry = library.CRkDatabaseListNext(list))
            walked.push_back(entry);
        if (walked.size() < databases.size())
            return Problem("walk of " + std::to_string(walked.size()) + " entries");
        for (std::size_t i = 0; i < databases.size(); ++i)
            CheckDetails(walked[i], databases[i]);
        CheckCatalogued({walked.begin() + static_cast<std::ptrdiff_t>(databases.size()), walked.end()});
        if (ErrorText(list).rfind("SQLCODE = 0\r\n", 0) != 0)
            Problem("error text after a population: " + ErrorText(list));
        ++walks;
    }

    void ListThread(int thread)
    {
        RkDatabaseList* list = nullptr;
        for (int round = 0; round < kRounds; ++round) {
            // A fresh handle every few rounds; the others repopulate theirs.
            if (list == nullptr || (round + thread) % 4 == 0) {
                list = library.CRkDatabaseListNew();
                SignalListCreated();
            }
            if (list == nullptr)
                return Problem("no handle");
            PopulateAndWalk(list);
        }
    }

    void SignalListCreated()
    {
        {
            std::lock_guard<std::mutex> lock(listMutex);
            anyListCreated = true;
        }
        listCreated.notify_all();
    }

    // The catalog exports load and release db2app.dll and db2sys.dll in
    // every call. Once the first list handle exists, the module holds both,
    // so these calls only count references and each library is loaded into
    // the process once; a catalog call before it would load and unload them.
    void CatalogThread(int thread)
    {
        {
            std::unique_lock<std::mutex> lock(listMutex);
            listCreated.wait(lock, [this] { return anyListCreated; });
        }
        for (int round = 0; round < kRounds; ++round) {
            const std::string name = CataloguedName(thread, round);
            char message[1024];
            std::memset(message, '#', sizeof message);
            if (library.CatalogDatabase(CataloguedHost(thread, round).c_str(), name.c_str(), message, sizeof message) !=
                    1 ||
                message[0] != '\0')
                Problem("catalog " + name + ": " + message);
            ++catalogues;
            if (Kept(round))
                continue;
            std::memset(message, '#', sizeof message);
            if (library.UncatalogDatabase(name.c_str(), CataloguedNode(thread, round).c_str(), message,
                                          sizeof message) != 1 ||
                message[0] != '\0')
                Problem("uncatalog " + name + ": " + message);
            ++uncatalogues;
        }
    }

    void ConnectThread()
    {
        for (int round = 0; round < kRounds; ++round) {
            const auto connected = Connect(library, kSqliteDsn, "user", "password");
            if (connected.result != 1 || connected.DbmsField() != std::string("SQLite\0\0", 8) ||
                !connected.Message().empty())
                Problem("SQLite connection: " + connected.Message());
            const auto refused = Connect(library, "RkNoSuchDataSource", "user", "password");
            const auto blocks = ParseMessage(refused.Message());
            if (refused.result != 0 || !blocks || blocks->empty() || (*blocks)[0].empty() ||
                (*blocks)[0][0].nativeError != -1013 || !refused.NothingWrittenBehindTheTerminator())
                Problem("unknown data source: " + refused.Message());
            ++connections;
        }
    }
};

TEST_F(Stress, EightThreadsAgreeWithTheStore)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < static_cast<int>(std::size(kRoles)); ++t)
        threads.emplace_back([this, t] {
            switch (kRoles[t]) {
            case Role::kList: return ListThread(t);
            case Role::kCatalog: return CatalogThread(t);
            case Role::kConnect: return ConnectThread();
            }
        });
    for (auto& thread : threads)
        thread.join();

    EXPECT_EQ(std::vector<std::string>{}, problems);
    EXPECT_EQ(kFailedPopulations, failedPopulations.load()) << "each failed call fails one population";
    const auto threadsOf = [](Role role) {
        return static_cast<int>(std::count(std::begin(kRoles), std::end(kRoles), role));
    };
    EXPECT_EQ(threadsOf(Role::kList) * kRounds, walks.load());
    EXPECT_EQ(threadsOf(Role::kConnect) * kRounds, connections.load());
    EXPECT_EQ(threadsOf(Role::kCatalog) * kRounds, catalogues.load());
    for (const char* name : {RK_DB2APP_FILE, RK_DB2SYS_FILE, RK_DB2CLI_FILE}) {
        EXPECT_EQ(1, log.Count(std::string("load ") + name)) << name;
        EXPECT_EQ(0, log.Count(std::string("unload ") + name)) << name;
    }
    // Each catalog call reached DB2 once per step.
    EXPECT_EQ(catalogues.load(), log.Count("sqlectnd_api"));
    EXPECT_EQ(catalogues.load(), log.Count("sqlecadb_api"));
    EXPECT_EQ(uncatalogues.load(), log.Count("sqleuncd_api"));
    EXPECT_EQ(uncatalogues.load(), log.Count("sqleuncn_api"));
    EXPECT_EQ(ExpectedNodes(), SortedBy(store.ReadNodes().value_or(std::vector<NodeEntry>{}), &NodeEntry::nodeName));
    EXPECT_EQ(ExpectedDatabases(),
              SortedBy(store.ReadDatabases().value_or(std::vector<DatabaseEntry>{}), &DatabaseEntry::alias));
}

} // namespace
