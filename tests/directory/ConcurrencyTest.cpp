// The list exports called from several threads at once: every walk sees a
// whole listing, and a walk of a handle that another thread repopulates
// only ever sees whole entries.

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "HostLibrary.h"
#include "SimStore.h"

using namespace rk::test;

namespace {

// Many nodes and databases keep each population's node load and join busy
// long enough for unserialized calls to collide.
constexpr int kNodeCount = 40;
constexpr int kDatabaseCount = 120;
constexpr int kRounds = 10;

std::string AliasOf(int i) { return "DB" + std::to_string(1000 + i); }
std::string NodeOf(int i) { return "N" + std::to_string(100 + i % kNodeCount); }
std::string HostOf(const std::string& node) { return node + ".example.com"; }

class DirectoryConcurrency : public testing::Test {
protected:
    SimStore store;
    rk::host::HostLibrary library;
    std::vector<std::string> aliases;

    // Failures found on worker threads, reported on the test's own thread.
    std::mutex problemsMutex;
    std::vector<std::string> problems;

    void SetUp() override
    {
        ASSERT_TRUE(library.IsLoaded());
        std::vector<StoreNode> nodes;
        for (int i = 0; i < kNodeCount; ++i)
            nodes.push_back({NodeOf(i), HostOf(NodeOf(i)), "50000", "DB2INST1", "", 18});
        store.WriteNodes(nodes);
        std::vector<StoreDatabase> databases;
        for (int i = 0; i < kDatabaseCount; ++i) {
            aliases.push_back(AliasOf(i));
            databases.push_back({AliasOf(i), AliasOf(i), NodeOf(i)});
        }
        store.WriteDatabases(databases);
    }

    void Problem(const std::string& what)
    {
        std::lock_guard<std::mutex> lock(problemsMutex);
        problems.push_back(what);
    }

    // The alias of a whole entry joined with its own node, or a problem.
    std::string CheckedAlias(RkDatabaseEntry* entry)
    {
        std::string record(RKDB2_DETAILS_SIZE, '#');
        library.GetDatabaseDetails(entry, &record[0]);
        const std::string alias(record.c_str() + RKDB2_DETAILS_ALIAS_OFFSET);
        const std::string node(record.c_str() + RKDB2_DETAILS_NODE_NAME_OFFSET);
        const std::string host(record.c_str() + RKDB2_DETAILS_HOST_NAME_OFFSET);
        if (host != HostOf(node) || std::string(record.c_str() + RKDB2_DETAILS_DATABASE_NAME_OFFSET) != alias)
            Problem("torn entry " + alias + " at " + node + ", " + host);
        return alias;
    }
};

TEST_F(DirectoryConcurrency, ThreadsWithHandlesOfTheirOwnEachSeeWholeListings)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([this] {
            RkDatabaseList* list = library.CRkDatabaseListNew();
            if (list == nullptr)
                return Problem("no handle");
            for (int round = 0; round < kRounds; ++round) {
                RkDatabaseEntry* entry = nullptr;
                if (library.CRkDatabaseListPopulate(list, &entry) != 1)
                    return Problem("population failed");
                std::vector<std::string> walked;
                for (; entry != nullptr; entry = library.CRkDatabaseListNext(list))
                    walked.push_back(CheckedAlias(entry));
                if (walked != aliases)
                    Problem("walk of " + std::to_string(walked.size()) + " entries");
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(std::vector<std::string>{}, problems);
}

TEST_F(DirectoryConcurrency, WalkersOfAHandleThatIsRepopulatedMeanwhileSeeOnlyWholeEntries)
{
    RkDatabaseList* list = library.CRkDatabaseListNew();
    ASSERT_NE(nullptr, list);
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));

    std::atomic<bool> populating{true};
    std::atomic<int> entriesSeen{0};
    const std::set<std::string> known(aliases.begin(), aliases.end());
    std::vector<std::thread> walkers;
    for (int t = 0; t < 3; ++t) {
        walkers.emplace_back([&] {
            while (populating) {
                if (RkDatabaseEntry* entry = library.CRkDatabaseListNext(list)) {
                    ++entriesSeen;
                    if (known.count(CheckedAlias(entry)) == 0)
                        Problem("unknown entry");
                }
            }
        });
    }
    for (int round = 0; round < kRounds; ++round) {
        const int seenBefore = entriesSeen.load();
        RkDatabaseEntry* entry = nullptr;
        if (library.CRkDatabaseListPopulate(list, &entry) != 1 || entry == nullptr || CheckedAlias(entry) != aliases[0])
            Problem("population " + std::to_string(round));
        // Let the walkers take part in every round, however the threads are
        // scheduled: the next population waits until one of them has walked.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (entriesSeen.load() == seenBefore && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
    }
    populating = false;
    for (auto& walker : walkers)
        walker.join();
    EXPECT_EQ(std::vector<std::string>{}, problems);
    EXPECT_GE(entriesSeen.load(), kRounds) << "the walkers took part in every round";
}

} // namespace
