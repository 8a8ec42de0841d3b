// Load: eight threads share the library for a fixed number of rounds. List
// threads create, populate and walk handles and read every entry's details
// and the handles' error texts, while the stand-in fails some directory
// calls; connection threads test connections to SQLite. Afterwards: every
// walk saw the whole list of one population, every result agreed with the
// store, each module-wide DB2 library was loaded once, and the store holds
// what the threads left.

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "CRkDirectoryStore.h"
#include "CallLog.h"
#include "ConnectTestSupport.h"
#include "HostLibrary.h"
#include "TestEnv.h"
#include "TestPaths.h"

using namespace rk::test;
using rk::sim::store::CRkDirectoryStore;
using rk::sim::store::DatabaseEntry;
using rk::sim::store::NodeEntry;

namespace {

constexpr int kRounds = 12;
constexpr int kNodeCount = 12;
constexpr int kDatabaseCount = 36;

enum class Role { List, Connect };
// What each of the eight threads does. Threads that catalog and uncatalog
// databases of their own take their place here; what they leave catalogued
// goes into ExpectedDatabases().
constexpr Role kRoles[] = {Role::List, Role::List, Role::List,    Role::List,
                           Role::List, Role::List, Role::Connect, Role::Connect};

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

std::vector<DatabaseEntry> ExpectedDatabases() { return Databases(); }

class Stress : public testing::Test {
protected:
    CallLog log;  // before the library: its load events must be logged
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

    void SetUp() override
    {
        ASSERT_TRUE(library.IsLoaded());
        SetEnv("RKDB2_SIM_HOME", store.Directory());
        ASSERT_TRUE(store.WriteNodes(nodes));
        ASSERT_TRUE(store.WriteDatabases(databases));
    }

    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(store.Directory(), ignored);
        UnsetEnv("RKDB2_SIM_HOME");
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

    // The entry's details against the store's database and its node.
    void CheckDetails(RkDatabaseEntry* entry, const DatabaseEntry& database)
    {
        DatabaseDetails details;
        std::memset(&details, '#', sizeof details);
        library.GetDatabaseDetails(entry, reinterpret_cast<char*>(&details));
        const NodeEntry& node = nodes[std::stoi(database.nodeName.substr(4))];
        const std::string instance = node.osType == 8 ? database.databaseName : node.instanceName;
        const std::string seen = std::string(details.alias) + "|" + details.databaseName + "|" + details.nodeName + "|" +
                                 details.hostName + "|" + details.serviceName + "|" + details.instanceName + "|" +
                                 details.comment + "|" + details.platform;
        const std::string wanted = database.alias + "|" + database.databaseName + "|" + database.nodeName + "|" +
                                   node.hostName + "|" + node.serviceName + "|" + instance + "|" + database.comment +
                                   "|" + (node.osType == 8 ? "Z/OS" : "Linux");
        if (seen != wanted)
            Problem("details " + seen + " instead of " + wanted);
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
        std::size_t walked = 0;
        for (; entry != nullptr; entry = library.CRkDatabaseListNext(list), ++walked)
            if (walked < databases.size())
                CheckDetails(entry, databases[walked]);
        if (walked != databases.size())
            Problem("walk of " + std::to_string(walked) + " entries");
        if (ErrorText(list).rfind("SQLCODE = 0\r\n", 0) != 0)
            Problem("error text after a population: " + ErrorText(list));
        ++walks;
    }

    void ListThread(int thread)
    {
        RkDatabaseList* list = nullptr;
        for (int round = 0; round < kRounds; ++round) {
            // A fresh handle every few rounds; the others repopulate theirs.
            if (list == nullptr || (round + thread) % 4 == 0)
                list = library.CRkDatabaseListNew();
            if (list == nullptr)
                return Problem("no handle");
            PopulateAndWalk(list);
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
                (*blocks)[0][0].sqlstate != "IM002" || !refused.NothingWrittenBehindTheTerminator())
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
            case Role::List: return ListThread(t);
            case Role::Connect: return ConnectThread();
            }
        });
    for (auto& thread : threads)
        thread.join();

    EXPECT_EQ(std::vector<std::string>{}, problems);
    EXPECT_EQ(kFailedPopulations, failedPopulations.load()) << "each failed call fails one population";
    const auto threadsOf = [](Role role) { return static_cast<int>(std::count(std::begin(kRoles), std::end(kRoles), role)); };
    EXPECT_EQ(threadsOf(Role::List) * kRounds, walks.load());
    EXPECT_EQ(threadsOf(Role::Connect) * kRounds, connections.load());
    for (const char* name : {"db2app.dll", "db2sys.dll", "db2cli.dll"}) {
        EXPECT_EQ(1, log.Count(std::string("load ") + name)) << name;
        EXPECT_EQ(0, log.Count(std::string("unload ") + name)) << name;
    }
    EXPECT_EQ(nodes, store.ReadNodes().value_or(std::vector<NodeEntry>{}));
    EXPECT_EQ(ExpectedDatabases(), store.ReadDatabases().value_or(std::vector<DatabaseEntry>{}));
}

} // namespace
