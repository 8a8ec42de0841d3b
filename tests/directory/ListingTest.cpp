// The list exports end to end: the product library loaded like a host, the
// stand-in client's directories seeded per test, on the route the test's
// client offers (RKDB2_TEST_ROUTE: "newer" or "older").

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CallLog.h"
#include "HostLibrary.h"
#include "MachineDefaultInstance.h"
#include "SimStore.h"

using namespace rk::test;

namespace {

bool NewerRoute()
{
    const char* route = std::getenv("RKDB2_TEST_ROUTE");
    return route != nullptr && std::string(route) == "newer";
}

const char* FetchName() { return NewerRoute() ? "db2DbDirGetNextEntry@12" : "sqledgne_api"; }
const char* CloseName() { return NewerRoute() ? "db2DbDirCloseScan@12" : "sqledcls_api"; }
const char* OpenName() { return NewerRoute() ? "db2DbDirOpenScan@12" : "sqledosd_api"; }

std::string Slot(const std::string& record, std::size_t offset) { return std::string(record.c_str() + offset); }

class DirectoryListing : public testing::Test {
protected:
    SimStore store; // before the library: the stand-in reads its home from the start
    rk::host::HostLibrary library;
    RkDatabaseList* list = nullptr;

    void SetUp() override
    {
        RemoveDefaultInstanceValue();
        ASSERT_TRUE(library.IsLoaded());
        list = library.CRkDatabaseListNew();
        ASSERT_NE(nullptr, list);
    }
    void TearDown() override { RemoveDefaultInstanceValue(); }

    void CatalogSalesStockStaff()
    {
        store.WriteNodes({{"SRV1", "db2.example.com", "50000", "DB2INST1", "", 18}});
        store.WriteDatabases(
            {{"SALES", "SALESDB", "SRV1"}, {"STOCK", "STOCKDB", "SRV1"}, {"STAFF", "STAFFDB", "SRV1"}});
    }

    std::string Details(RkDatabaseEntry* entry, char marker = '#')
    {
        std::string record(RKDB2_DETAILS_SIZE, marker);
        library.GetDatabaseDetails(entry, &record[0]);
        return record;
    }

    std::string Alias(RkDatabaseEntry* entry) { return Slot(Details(entry), RKDB2_DETAILS_ALIAS_OFFSET); }

    std::vector<std::string> Walk()
    {
        std::vector<std::string> aliases;
        while (RkDatabaseEntry* entry = library.CRkDatabaseListNext(list))
            aliases.push_back(Alias(entry));
        return aliases;
    }

    std::string ErrorText(int size = 2048)
    {
        std::vector<char> text(2048, '#');
        library.CRkDatabaseListGetError(list, text.data(), size);
        return std::string(text.data());
    }
};

// --- listing and walking ----------------------------------------------------

TEST_F(DirectoryListing, PopulationGivesTheFirstEntryAndTheWalkTheRest)
{
    CatalogSalesStockStaff();
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
    ASSERT_NE(nullptr, first);
    EXPECT_EQ("SALES", Alias(first));
    EXPECT_EQ((std::vector<std::string>{"STOCK", "STAFF"}), Walk());
    EXPECT_EQ(nullptr, library.CRkDatabaseListNext(list));
}

TEST_F(DirectoryListing, NextBeforeAnyPopulationGivesNull) { EXPECT_EQ(nullptr, library.CRkDatabaseListNext(list)); }

TEST_F(DirectoryListing, EmptyOrMissingDirectoriesAreEmptyListingsButTheOlderEmptyWarningFails)
{
    store.WriteNodes({});
    store.WriteDatabases({});
    RkDatabaseEntry* first = reinterpret_cast<RkDatabaseEntry*>(&store);
    const int result = library.CRkDatabaseListPopulate(list, &first);
    EXPECT_EQ(nullptr, first);
    if (NewerRoute()) {
        EXPECT_EQ(1, result);
    } else {
        // An older client's empty-directory warning reaches the host as its text.
        EXPECT_EQ(0, result);
        EXPECT_NE(std::string::npos, ErrorText().find("SQLCODE = 1057\r\n")) << ErrorText();
    }
    EXPECT_EQ(nullptr, library.CRkDatabaseListNext(list));

    store.RemoveNodes();
    store.RemoveDatabases();
    first = reinterpret_cast<RkDatabaseEntry*>(&store);
    EXPECT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
    EXPECT_EQ(nullptr, first);
    EXPECT_NE(std::string::npos, ErrorText().find("SQLCODE = -1031\r\n")) << "the accepted code stays in the sqlca";
}

TEST_F(DirectoryListing, DetailsRecordIsByteExact)
{
    store.WriteNodes({{"SRV1", "db2.example.com", "50001", "DB2INST1", "", 18}});
    store.WriteDatabases({{"SAMPLE", "SAMPLEDB", "SRV1", "C:", "SQL00001", "9.07", "Sample database", '1', 4, 0,
                           "alt.example.com", "50002"}});
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
    ASSERT_NE(nullptr, first);

    std::string expected(RKDB2_DETAILS_SIZE, '#');
    auto put = [&](std::size_t offset, const std::string& text) {
        expected.replace(offset, text.size() + 1, text + '\0');
    };
    put(RKDB2_DETAILS_DATABASE_NAME_OFFSET, "SAMPLEDB");
    put(RKDB2_DETAILS_HOST_NAME_OFFSET, "db2.example.com");
    put(RKDB2_DETAILS_SERVICE_NAME_OFFSET, "50001");
    put(RKDB2_DETAILS_INSTANCE_NAME_OFFSET, "DB2INST1");
    put(RKDB2_DETAILS_ALIAS_OFFSET, "SAMPLE");
    put(RKDB2_DETAILS_DRIVE_PATH_OFFSET, "C:");
    put(RKDB2_DETAILS_INTERNAL_NAME_OFFSET, "SQL00001");
    put(RKDB2_DETAILS_NODE_NAME_OFFSET, "SRV1");
    put(RKDB2_DETAILS_DATABASE_TYPE_OFFSET, "9.07");
    put(RKDB2_DETAILS_COMMENT_OFFSET, "Sample database");
    put(RKDB2_DETAILS_ENTRY_TYPE_OFFSET, "SQL_REMOTE");
    put(RKDB2_DETAILS_AUTHENTICATION_OFFSET, "At Server with encrypt");
    put(RKDB2_DETAILS_ALT_HOST_NAME_OFFSET, NewerRoute() ? "alt.example.com" : "");
    put(RKDB2_DETAILS_ALT_PORT_NUMBER_OFFSET, NewerRoute() ? "50002" : "");
    put(RKDB2_DETAILS_PLATFORM_OFFSET, "Linux");
    EXPECT_EQ(expected, Details(first));

    std::string untouched(RKDB2_DETAILS_SIZE, '#');
    library.GetDatabaseDetails(nullptr, &untouched[0]);
    EXPECT_EQ(std::string(RKDB2_DETAILS_SIZE, '#'), untouched);
    library.GetDatabaseDetails(first, nullptr); // must not write anywhere
}

TEST_F(DirectoryListing, LongestHostNameIsCutToItsSlot)
{
    store.WriteNodes({{"SRV1", std::string(255, 'h'), "50000", "I", "", 18}});
    store.WriteDatabases({{"DB", "DB", "SRV1"}});
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
    const std::string record = Details(first);
    EXPECT_EQ(std::string(254, 'h'), Slot(record, RKDB2_DETAILS_HOST_NAME_OFFSET));
    EXPECT_EQ("50000", Slot(record, RKDB2_DETAILS_SERVICE_NAME_OFFSET));
}

TEST_F(DirectoryListing, UnmatchedNodeAndZosNode)
{
    store.WriteNodes({{"ZNODE", "mvs.example.com", "446", "DB2", "", 8}});
    store.WriteDatabases({{"ZDB", "DSNDB01", "ZNODE"}, {"LOST", "LOSTDB", "NOWHERE"}, {"LOWER", "LOWERDB", "znode"}});
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
    const std::string zos = Details(first);
    EXPECT_EQ("DSNDB01", Slot(zos, RKDB2_DETAILS_INSTANCE_NAME_OFFSET));
    EXPECT_EQ("Z/OS", Slot(zos, RKDB2_DETAILS_PLATFORM_OFFSET));
    for (const char* alias : {"LOST", "LOWER"}) {
        RkDatabaseEntry* entry = library.CRkDatabaseListNext(list);
        ASSERT_NE(nullptr, entry);
        const std::string record = Details(entry);
        EXPECT_EQ(alias, Slot(record, RKDB2_DETAILS_ALIAS_OFFSET));
        for (std::size_t offset : {RKDB2_DETAILS_HOST_NAME_OFFSET, RKDB2_DETAILS_SERVICE_NAME_OFFSET,
                                   RKDB2_DETAILS_INSTANCE_NAME_OFFSET, RKDB2_DETAILS_PLATFORM_OFFSET})
            EXPECT_EQ("", Slot(record, offset)) << alias << " at " << offset;
    }
}

// --- the LOCAL node and the default instance ----------------------------------

TEST_F(DirectoryListing, LocalDatabasesShowTheDefaultInstanceReadAtEachPopulation)
{
    store.RemoveNodes();
    store.WriteDatabases({{"LOCALDB", "LOCALDB", "", "C:", "SQL00001", "9.07", "", '0', 0, 0},
                          {"PARTDB", "PARTDB", "", "C:", "SQL00002", "9.07", "", '0', 0, 1}});
    const auto populate = [&] {
        RkDatabaseEntry* first = nullptr;
        EXPECT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
        return first;
    };

    SetDefaultInstance("DB2");
    std::string local = Details(populate());
    EXPECT_EQ("LOCAL", Slot(local, RKDB2_DETAILS_NODE_NAME_OFFSET));
    EXPECT_EQ("DB2", Slot(local, RKDB2_DETAILS_INSTANCE_NAME_OFFSET));
    EXPECT_EQ("Windows", Slot(local, RKDB2_DETAILS_PLATFORM_OFFSET));
    EXPECT_EQ("SQL_INDIRECT", Slot(local, RKDB2_DETAILS_ENTRY_TYPE_OFFSET));
    const std::string partitioned = Details(library.CRkDatabaseListNext(list));
    EXPECT_EQ("", Slot(partitioned, RKDB2_DETAILS_NODE_NAME_OFFSET)) << "not on catalog partition 0";
    EXPECT_EQ("", Slot(partitioned, RKDB2_DETAILS_PLATFORM_OFFSET));

    SetDefaultInstance("DB2COPY2");
    local = Details(populate());
    EXPECT_EQ("DB2COPY2", Slot(local, RKDB2_DETAILS_INSTANCE_NAME_OFFSET));

    RemoveDefaultInstanceValue();
    local = Details(populate());
    EXPECT_EQ("", Slot(local, RKDB2_DETAILS_INSTANCE_NAME_OFFSET));
    EXPECT_EQ("Windows", Slot(local, RKDB2_DETAILS_PLATFORM_OFFSET));
}

TEST_F(DirectoryListing, NodeWithoutInstancesTakesTheDefaultInstance)
{
    SetDefaultInstance("DB2");
    store.WriteNodes({{"N1", "h1", "1", "", "", 18}, {"N2", "h2", "2", "", "REMOTE5", 18}});
    store.WriteDatabases({{"DB1", "DB1", "N1"}, {"DB2", "DB2", "N2"}});
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
    EXPECT_EQ("DB2", Slot(Details(first), RKDB2_DETAILS_INSTANCE_NAME_OFFSET));
    EXPECT_EQ("REMOTE5", Slot(Details(library.CRkDatabaseListNext(list)), RKDB2_DETAILS_INSTANCE_NAME_OFFSET));
}

// --- failures and error text ------------------------------------------------

TEST_F(DirectoryListing, FailedNodeDirectoryReadsNoDatabaseDirectory)
{
    CatalogSalesStockStaff();
    CallLog log;
    ScopedFaults faults("sqlenops_api@12=-1029");
    RkDatabaseEntry* first = reinterpret_cast<RkDatabaseEntry*>(&store);
    EXPECT_EQ(0, library.CRkDatabaseListPopulate(list, &first));
    EXPECT_EQ(nullptr, first);
    EXPECT_EQ(-1, log.IndexOf(OpenName()));
    EXPECT_NE(std::string::npos, ErrorText().find("SQLCODE = -1029\r\n")) << ErrorText();
}

// Mended: a failed fetch used to leave the scan open in the client, and the
// handle's sqlca must still tell about the fetch.
TEST_F(DirectoryListing, FailedFetchClosesTheScanAndReportsTheFetch)
{
    CatalogSalesStockStaff();
    {
        CallLog log;
        ScopedFaults faults(std::string(FetchName()) + "#2=-1029");
        RkDatabaseEntry* first = nullptr;
        EXPECT_EQ(0, library.CRkDatabaseListPopulate(list, &first));
        EXPECT_EQ(nullptr, first);
        const std::vector<std::string> lines = log.Lines();
        const std::vector<std::string> tail(lines.end() - std::min<std::size_t>(lines.size(), 3), lines.end());
        EXPECT_EQ(
            (std::vector<std::string>{FetchName(), std::string("fault ") + FetchName() + "#2=-1029", CloseName()}),
            tail);
        EXPECT_EQ(2, log.Count(FetchName()));
        EXPECT_NE(std::string::npos, ErrorText().find("SQLCODE = -1029\r\n")) << ErrorText();
    }
    {
        CallLog log;
        ScopedFaults faults("sqlengne_api@12#2=-1029"); // counted per process: the first was above
        RkDatabaseEntry* first = nullptr;
        EXPECT_EQ(0, library.CRkDatabaseListPopulate(list, &first));
        EXPECT_EQ((std::vector<std::string>{"sqlenops_api@12", "sqlengne_api@12", "fault sqlengne_api@12#2=-1029",
                                            "sqlencls_api@8"}),
                  log.Lines());
        EXPECT_NE(std::string::npos, ErrorText().find("SQLCODE = -1029\r\n")) << ErrorText();
    }
}

// The stand-in, like DB2, refuses a ninth open scan of a directory in the
// process: nine failed populations in a row on each failure path, and then
// a listing, would fail with SQL1095N or SQL1056N if any path left its scan
// open.
TEST_F(DirectoryListing, NoFailedPopulationLeavesAScanOpen)
{
    CatalogSalesStockStaff();
    for (const std::string& rule : {std::string("sqlengne_api@12=-1029"), std::string(FetchName()) + "=-1029",
                                    std::string(FetchName()) + "=1014"}) {
        SCOPED_TRACE(rule);
        {
            ScopedFaults faults(rule);
            for (std::size_t i = 0; i < 9; ++i) {
                RkDatabaseEntry* first = nullptr;
                ASSERT_EQ(0, library.CRkDatabaseListPopulate(list, &first)) << "population " << i + 1;
                ASSERT_EQ(std::string::npos, ErrorText().find("SQLSTATE = \"54029\"")) << ErrorText();
            }
        }
        RkDatabaseEntry* first = nullptr;
        ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first)) << ErrorText();
        EXPECT_EQ("SALES", Alias(first));
        EXPECT_EQ((std::vector<std::string>{"STOCK", "STAFF"}), Walk());
    }
}

// Mended: the handle's sqlca used to be read before any DB2 call filled it.
TEST_F(DirectoryListing, ErrorTextBeforeAnyPopulationIsThatOfAZeroSqlca)
{
    EXPECT_NE(std::string::npos, ErrorText().find("SQLCODE = 0\r\nSQLSTATE = \"\"\r\n")) << ErrorText();
}

TEST_F(DirectoryListing, ErrorTextIsCutToTheLow16BitsOfTheSize)
{
    store.WriteNodes({});
    ScopedFaults faults("sqlenops_api@12=-1029");
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(0, library.CRkDatabaseListPopulate(list, &first));
    const std::string full = ErrorText();
    ASSERT_GT(full.size(), 9u);
    std::vector<char> text(32, '#');
    library.CRkDatabaseListGetError(list, text.data(), 65546);
    EXPECT_EQ(full.substr(0, 9), std::string(text.data()));
    EXPECT_EQ('#', text[10]);
    library.CRkDatabaseListGetError(list, text.data(), 1);
    EXPECT_EQ('\0', text[0]);
    EXPECT_EQ('#', text[10]);
}

// --- repeated populations -------------------------------------------------------

// Mended: a second population used to hand out the first population's first
// entry and walk both populations.
TEST_F(DirectoryListing, RepopulationWalksOnlyItsOwnEntriesAndEarlierEntriesStayValid)
{
    CatalogSalesStockStaff();
    RkDatabaseEntry* firstOfFirst = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &firstOfFirst));
    RkDatabaseEntry* stockOfFirst = library.CRkDatabaseListNext(list);

    const std::string stockDetails = Details(stockOfFirst);

    store.WriteDatabases({{"SALES", "SALESDB", "SRV1"}, {"STOCK", "STOCKDB2", "SRV1"}, {"STAFF", "STAFFDB", "SRV1"}});
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
    EXPECT_EQ(firstOfFirst, first) << "an unchanged entry is handed out again";
    RkDatabaseEntry* stock = library.CRkDatabaseListNext(list);
    EXPECT_NE(stockOfFirst, stock);
    EXPECT_EQ("STOCKDB2", Slot(Details(stock), RKDB2_DETAILS_DATABASE_NAME_OFFSET));
    EXPECT_EQ((std::vector<std::string>{"STAFF"}), Walk());
    EXPECT_EQ(stockDetails, Details(stockOfFirst)) << "an earlier entry never changes";

    store.WriteDatabases({});
    if (NewerRoute()) {
        ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
        EXPECT_EQ(nullptr, first);
        EXPECT_EQ(nullptr, library.CRkDatabaseListNext(list));
    }
}

// Mended: the node list kept every load, and the join took the first match,
// so a node re-catalogued with another host kept showing the old host.
TEST_F(DirectoryListing, RecataloguedNodeShowsItsNewHost)
{
    CatalogSalesStockStaff();
    RkDatabaseEntry* before = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &before));
    store.WriteNodes({{"SRV1", "db2-new.example.com", "50010", "DB2INST1", "", 18}});
    RkDatabaseEntry* after = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &after));
    EXPECT_EQ("db2-new.example.com", Slot(Details(after), RKDB2_DETAILS_HOST_NAME_OFFSET));
    EXPECT_EQ("50010", Slot(Details(after), RKDB2_DETAILS_SERVICE_NAME_OFFSET));
    EXPECT_EQ("db2.example.com", Slot(Details(before), RKDB2_DETAILS_HOST_NAME_OFFSET));

    RkDatabaseList* other = library.CRkDatabaseListNew();
    RkDatabaseEntry* otherFirst = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(other, &otherFirst));
    EXPECT_EQ("db2-new.example.com", Slot(Details(otherFirst), RKDB2_DETAILS_HOST_NAME_OFFSET));
}

TEST_F(DirectoryListing, RouteFollowsTheClientsEntryPoints)
{
    CatalogSalesStockStaff();
    CallLog log;
    RkDatabaseEntry* first = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &first));
    EXPECT_EQ(NewerRoute() ? 1 : 0, log.Count("db2DbDirOpenScan@12"));
    EXPECT_EQ(NewerRoute() ? 0 : 1, log.Count("sqledosd_api"));
    EXPECT_EQ(1, log.Count(CloseName()));
}

} // namespace
