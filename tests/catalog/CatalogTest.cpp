// The catalog exports end to end, against the stand-in with a store of the
// test's own: read back through the list exports and, for nodes, the store.

#include <atomic>
#include <chrono>
#include <cstring>
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
    rk::test::SimStore store; // before the library: the stand-in reads its home from the start
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
            for (std::size_t offset :
                 {RKDB2_DETAILS_ALIAS_OFFSET, RKDB2_DETAILS_DATABASE_NAME_OFFSET, RKDB2_DETAILS_NODE_NAME_OFFSET,
                  RKDB2_DETAILS_HOST_NAME_OFFSET, RKDB2_DETAILS_SERVICE_NAME_OFFSET, RKDB2_DETAILS_ENTRY_TYPE_OFFSET,
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
    EXPECT_EQ((Lines{"SALES SALES warehous warehouse7 50000 SQL_REMOTE Not Specified"}), Listing());

    EXPECT_EQ(0, Uncatalog("NOSUCH", "warehous"));
    EXPECT_TRUE(MessageStartsWith("SQL1013N  The database alias name or database name \"NOSUCH\"")) << message;
    EXPECT_EQ((Lines{"warehous warehouse7 50000"}), Nodes()) << "the node step was not attempted";

    // A buffer of one byte gets the terminator only; the result still tells.
    std::memset(message, '#', sizeof message);
    EXPECT_EQ(1, library.UncatalogDatabase("SALES", "warehous", message, 1));
    EXPECT_EQ('\0', message[0]);
    EXPECT_EQ('#', message[1]);
    EXPECT_EQ(Lines{}, Listing());
    EXPECT_EQ(Lines{}, Nodes());
}

TEST_F(Catalogue, RefusedArgumentsReachNoDb2LibraryAndWriteOnlyIntoTheBuffer)
{
    const std::string longest(255, 'h');
    ASSERT_EQ(1, Catalog(longest.c_str(), "DB")) << message;
    EXPECT_EQ(Lines{"hhhhhhhh " + longest + " 50000"}, Nodes());

    rk::test::CallLog log;
    EXPECT_EQ(0, Catalog((longest + "h").c_str(), "DB2"));
    EXPECT_TRUE(MessageStartsWith("The host name has more than 255 characters")) << message;
    EXPECT_EQ(0, Catalog(nullptr, "DB"));
    EXPECT_TRUE(MessageStartsWith("The host name is a null pointer")) << message;
    EXPECT_EQ(0, Catalog("host", nullptr));
    EXPECT_TRUE(MessageStartsWith("The database name is a null pointer")) << message;
    EXPECT_EQ(0, Uncatalog(nullptr, "NODE"));
    EXPECT_TRUE(MessageStartsWith("The database alias is a null pointer")) << message;
    EXPECT_EQ(0, Uncatalog("DB", nullptr));
    EXPECT_TRUE(MessageStartsWith("The node name is a null pointer")) << message;

    std::memset(message, '#', sizeof message);
    for (int size : {0, -1}) {
        EXPECT_EQ(0, library.CatalogDatabase("host", "DB", message, size));
        EXPECT_EQ(0, library.UncatalogDatabase("DB", "host", message, size));
    }
    EXPECT_EQ(std::string(sizeof message, '#'), std::string(message, sizeof message));
    EXPECT_EQ(0, library.CatalogDatabase("host", "DB", nullptr, 64));
    EXPECT_EQ(0, library.UncatalogDatabase("DB", "host", nullptr, 64));
    EXPECT_EQ(Lines{}, log.Lines());
}

TEST_F(Catalogue, FailedStepsReportDb2sTextAndKeepWhatEarlierStepsDid)
{
    ASSERT_EQ(1, Catalog("warehouse7", "SALES")) << message;

    EXPECT_EQ(0, Catalog("warehouse8", "STOCK")) << "the same node name, warehous";
    EXPECT_TRUE(MessageStartsWith("SQL1018N  The node name \"warehous\"")) << message;
    EXPECT_NE(nullptr, std::strstr(message, "SQLCODE = -1018\r\nSQLSTATE = \"42710\"\r\n")) << message;

    EXPECT_EQ(0, Catalog("other", "SALES")) << "the node step succeeds, the database step fails";
    EXPECT_TRUE(MessageStartsWith("SQL1005N  The database alias \"SALES\" already exists")) << message;
    {
        rk::test::ScopedFaults warning("sqlecadb_api=1100");
        EXPECT_EQ(0, Catalog("third", "HR")) << "a warning fails the step too";
        EXPECT_NE(nullptr, std::strstr(message, "SQLCODE = 1100\r\n")) << message;
    }
    EXPECT_EQ(0, Catalog("db2.example.com", "HR")) << "DB2 takes no dots in node names";
    EXPECT_TRUE(MessageStartsWith("SQL1019N  The node name \"db2.exam\"")) << message;
    EXPECT_EQ((Lines{"SALES SALES warehous warehouse7 50000 SQL_REMOTE Not Specified"}), Listing());

    EXPECT_EQ(0, Uncatalog("SALES", "warehouse7")) << "the node name is passed whole";
    EXPECT_TRUE(MessageStartsWith("SQL1019N  The node name \"warehouse7\"")) << message;
    EXPECT_EQ(Lines{}, Listing()) << "the database step was done";
    EXPECT_EQ((Lines{"warehous warehouse7 50000", "other other 50000", "third third 50000"}), Nodes())
        << "no failed step undid an earlier one";
}

// Cataloguing in two rkdb2 processes and on two threads of this one at the
// same time, while a third thread lists: every entry is kept.
TEST_F(Catalogue, ConcurrentCataloguesInProcessesAndThreadsKeepEveryEntry)
{
    std::atomic<int> failures{0};
    std::atomic<int> working{4};
    std::vector<std::thread> threads;
    for (const std::string prefix : {"pa", "pb", "ta", "tb"})
        threads.emplace_back([&, prefix] {
            for (int i = 0; i < 4; ++i) {
                const std::string host = prefix + std::to_string(i);
                const std::string database = "DB" + host;
                char text[1024];
                failures += prefix[0] == 'p'
                                ? rk::test::RunRkdb2({"catalog", host, database}) != 0
                                : library.CatalogDatabase(host.c_str(), database.c_str(), text, sizeof text) != 1;
            }
            --working;
        });
    threads.emplace_back([&] {
        for (; working > 0; std::this_thread::sleep_for(std::chrono::milliseconds(20)))
            failures += Listing() == Lines{"listing failed"};
    });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(0, failures.load());
    EXPECT_EQ(16u, Listing().size());
    EXPECT_EQ(16u, Nodes().size());

    EXPECT_NE(0, rk::test::RunRkdb2({"catalog", "pa0", "OTHER"})) << "a failure exits non-zero";
    EXPECT_EQ(0, rk::test::RunRkdb2({"uncatalog", "DBpa0", "pa0"}));
    EXPECT_EQ(15u, Nodes().size());
}

} // namespace
