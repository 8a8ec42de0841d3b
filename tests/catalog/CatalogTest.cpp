// The catalog exports end to end: the product library loaded like a host,
// the stand-in client's directories in a store of the test's own, read back
// through the list exports and, for the node directory, straight from the
// store.

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "CRkDirectoryStore.h"
#include "CallLog.h"
#include "ChildProcess.h"
#include "HostLibrary.h"
#include "SimStore.h"

namespace {

using Lines = std::vector<std::string>;

class Catalogue : public testing::Test {
protected:
    rk::test::SimStore store;   // before the library: the stand-in reads its home from the start
    rk::host::HostLibrary library;
    char message[1024];

    void SetUp() override
    {
        ASSERT_TRUE(library.IsLoaded());
        std::memset(message, '#', sizeof message);
    }

    int Catalog(const char* host, const char* database)
    {
        return library.CatalogDatabase(host, database, message, sizeof message);
    }
    int Uncatalog(const char* alias, const char* node)
    {
        return library.UncatalogDatabase(alias, node, message, sizeof message);
    }
    bool MessageStartsWith(const std::string& start) const { return std::string(message).rfind(start, 0) == 0; }

    // Each listed database as "alias database node host service entry-type authentication".
    Lines Listing()
    {
        Lines lines;
        RkDatabaseList* list = library.CRkDatabaseListNew();
        RkDatabaseEntry* entry = nullptr;
        if (list == nullptr || library.CRkDatabaseListPopulate(list, &entry) != 1)
            return {"listing failed"};
        for (; entry != nullptr; entry = library.CRkDatabaseListNext(list)) {
            char record[RKDB2_DETAILS_SIZE] = {};
            library.GetDatabaseDetails(entry, record);
            std::string line;
            for (std::size_t offset : {RKDB2_DETAILS_ALIAS_OFFSET, RKDB2_DETAILS_DATABASE_NAME_OFFSET,
                                       RKDB2_DETAILS_NODE_NAME_OFFSET, RKDB2_DETAILS_HOST_NAME_OFFSET,
                                       RKDB2_DETAILS_SERVICE_NAME_OFFSET, RKDB2_DETAILS_ENTRY_TYPE_OFFSET,
                                       RKDB2_DETAILS_AUTHENTICATION_OFFSET})
                line += (line.empty() ? "" : " ") + std::string(record + offset);
            lines.push_back(line);
        }
        return lines;
    }

    // The node directory as "name host service", from the store itself.
    static Lines Nodes()
    {
        Lines lines;
        const auto nodes = rk::sim::store::CRkDirectoryStore::FromEnvironment().ReadNodes();
        for (const auto& node : nodes.value_or(std::vector<rk::sim::store::NodeEntry>{}))
            lines.push_back(node.nodeName + " " + node.hostName + " " + node.serviceName);
        return lines;
    }
};

TEST_F(Catalogue, RoundTripListsTheRemoteDatabaseAtItsNodeAndRemovesBoth)
{
    ASSERT_EQ(1, Catalog("warehouse7", "SALES")) << message;
    EXPECT_STREQ("", message);
    ASSERT_EQ(1, Catalog("db2", "STOCK")) << message;
    EXPECT_EQ((Lines{"SALES SALES warehous warehouse7 50000 SQL_REMOTE Not Specified",
                     "STOCK STOCK db2 db2 50000 SQL_REMOTE Not Specified"}),
              Listing());

    ASSERT_EQ(1, Uncatalog("SALES", "warehous")) << message;
    EXPECT_STREQ("", message);
    EXPECT_EQ((Lines{"STOCK STOCK db2 db2 50000 SQL_REMOTE Not Specified"}), Listing());
    EXPECT_EQ((Lines{"db2 db2 50000"}), Nodes());

    // A buffer of one byte gets the terminator only; the result still tells.
    EXPECT_EQ(1, library.UncatalogDatabase("STOCK", "db2", message, 1));
    EXPECT_EQ('\0', message[0]);
    EXPECT_EQ('#', message[1]);
    EXPECT_EQ(Lines{}, Listing());
    EXPECT_EQ(Lines{}, Nodes());
}

TEST_F(Catalogue, HostNameOf255CharactersFitsAnd256AreRefusedBeforeAnyDb2Call)
{
    const std::string longest(255, 'h');
    ASSERT_EQ(1, Catalog(longest.c_str(), "DB")) << message;
    EXPECT_EQ(Lines{"hhhhhhhh " + longest + " 50000"}, Nodes());

    rk::test::CallLog log;
    const std::string tooLong(256, 'h');
    EXPECT_EQ(0, Catalog(tooLong.c_str(), "DB2"));
    EXPECT_TRUE(MessageStartsWith("The host name has more than 255 characters")) << message;
    EXPECT_EQ(Lines{}, log.Lines());
}

TEST_F(Catalogue, RefusedArgumentsWriteOnlyIntoTheBufferAndReachNoDb2Library)
{
    rk::test::CallLog log;
    const struct {
        std::function<int()> call;
        const char* wording;
    } refused[] = {
        {[&] { return library.CatalogDatabase(nullptr, "DB", message, sizeof message); },
         "The host name is a null pointer"},
        {[&] { return library.CatalogDatabase("host", nullptr, message, sizeof message); },
         "The database name is a null pointer"},
        {[&] { return library.UncatalogDatabase(nullptr, "NODE", message, sizeof message); },
         "The database alias is a null pointer"},
        {[&] { return library.UncatalogDatabase("DB", nullptr, message, sizeof message); },
         "The node name is a null pointer"},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(0, r.call()) << r.wording;
        EXPECT_TRUE(MessageStartsWith(r.wording)) << message;
    }

    std::memset(message, '#', sizeof message);
    EXPECT_EQ(0, library.CatalogDatabase("host", "DB", nullptr, 64));
    EXPECT_EQ(0, library.UncatalogDatabase("DB", "host", nullptr, 64));
    for (int size : {0, -1}) {
        EXPECT_EQ(0, library.CatalogDatabase("host", "DB", message, size));
        EXPECT_EQ(0, library.UncatalogDatabase("DB", "host", message, size));
    }
    EXPECT_EQ(std::string(sizeof message, '#'), std::string(message, sizeof message));
    EXPECT_EQ(Lines{}, log.Lines());
    EXPECT_EQ(Lines{}, Nodes());
}

TEST_F(Catalogue, SecondCatalogueOfANodeOrAnAliasFailsWithDb2sTextAndKeepsAnEarlierStep)
{
    ASSERT_EQ(1, Catalog("warehouse7", "SALES")) << message;

    EXPECT_EQ(0, Catalog("warehouse8", "STOCK")) << "the same node name, warehous";
    EXPECT_TRUE(MessageStartsWith("SQL1018N  The node name \"warehous\"")) << message;
    EXPECT_NE(nullptr, std::strstr(message, "SQLCODE = -1018\r\nSQLSTATE = \"42710\"\r\n")) << message;

    EXPECT_EQ(0, Catalog("other", "SALES")) << "the node step succeeds, the database step fails";
    EXPECT_TRUE(MessageStartsWith("SQL1005N  The database alias \"SALES\" already exists")) << message;
    EXPECT_EQ((Lines{"warehous warehouse7 50000", "other other 50000"}), Nodes()) << "the new node stays";

    EXPECT_EQ(0, Catalog("db2.example.com", "HR")) << "DB2 takes no dots in node names";
    EXPECT_TRUE(MessageStartsWith("SQL1019N  The node name \"db2.exam\"")) << message;
    EXPECT_EQ((Lines{"SALES SALES warehous warehouse7 50000 SQL_REMOTE Not Specified"}), Listing());
}

TEST_F(Catalogue, FailedUncatalogueStepsLeaveWhatTheyDidNotReach)
{
    ASSERT_EQ(1, Catalog("warehouse7", "SALES")) << message;

    EXPECT_EQ(0, Uncatalog("NOSUCH", "warehous"));
    EXPECT_TRUE(MessageStartsWith("SQL1013N  The database alias name or database name \"NOSUCH\"")) << message;
    EXPECT_EQ(Lines{"warehous warehouse7 50000"}, Nodes()) << "the node step was not attempted";

    EXPECT_EQ(0, Uncatalog("SALES", "warehouse7")) << "the node name is passed whole";
    EXPECT_TRUE(MessageStartsWith("SQL1019N  The node name \"warehouse7\"")) << message;
    EXPECT_EQ(Lines{}, Listing()) << "the database step was done";
    EXPECT_EQ(Lines{"warehous warehouse7 50000"}, Nodes());
}

// Cataloguing in two rkdb2 processes and on two threads of this one at the
// same time, while a third thread lists: every entry is kept.
TEST_F(Catalogue, ConcurrentCataloguesInProcessesAndThreadsKeepEveryEntry)
{
    constexpr int kPerWorker = 4;
    std::atomic<int> failures{0};
    std::atomic<int> working{4};
    std::vector<std::thread> threads;
    for (const std::string prefix : {"pa", "pb", "ta", "tb"}) {
        threads.emplace_back([&, prefix] {
            for (int i = 0; i < kPerWorker; ++i) {
                const std::string host = prefix + std::to_string(i);
                const std::string database = "DB" + host;
                char text[1024];
                const bool ok = prefix[0] == 'p' ? rk::test::RunRkdb2({"catalog", host, database}) == 0
                                                 : library.CatalogDatabase(host.c_str(), database.c_str(), text,
                                                                           sizeof text) == 1;
                failures += ok ? 0 : 1;
            }
            --working;
        });
    }
    threads.emplace_back([&] {
        while (working > 0) {
            const Lines listing = Listing();
            failures += !listing.empty() && listing[0] == "listing failed" ? 1 : 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(0, failures.load());
    EXPECT_EQ(4u * kPerWorker, Listing().size());
    EXPECT_EQ(4u * kPerWorker, Nodes().size());

    EXPECT_NE(0, rk::test::RunRkdb2({"catalog", "pa0", "OTHER"})) << "a failure exits non-zero";
    EXPECT_EQ(0, rk::test::RunRkdb2({"uncatalog", "DBpa0", "pa0"}));
    EXPECT_EQ(4u * kPerWorker - 1, Nodes().size());
}

} // namespace
