// The node directory load and both database directory routes against the
// in-process fake client: accepted codes, call sequences, failed fetches
// and what a load leaves in the node list.

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeDirectoryClient.h"
#include "FakeProfileRegistry.h"
#include "directory/CRkNodeList.h"
#include "directory/DatabaseDirectoryScan.h"

using namespace rk::test;
using rk::db2::Sqlca;
using rk::db2::Sqlcode;
using Calls = std::vector<std::string>;

namespace {

std::vector<std::string> NodeNames(const CRkNodeList& nodes)
{
    std::vector<std::string> names;
    for (const auto& node : nodes.Entries())
        names.push_back(node->nodeName);
    return names;
}

class DirectoryNodeLoad : public testing::Test {
protected:
    FakeAppLib app;
    FakeProfileRegistry profile;
    CRkNodeList nodes{profile};
    Sqlca ca{};

    void SetUp() override { ASSERT_TRUE(app.IsLoaded()); }
};

TEST_F(DirectoryNodeLoad, EmptyOrMissingNodeDirectoryGivesOnlyTheLocalNodeWithoutAClose)
{
    for (const std::int32_t code : {rk::db2::kSqlNodeDirectoryEmpty, rk::db2::kSqlNodeDirectoryNotFound}) {
        Fake().calls.clear();
        Fake().nodeOpenCode = code;
        EXPECT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca)) << code;
        EXPECT_EQ(code, Sqlcode(ca));
        EXPECT_EQ(std::vector<std::string>{"LOCAL"}, NodeNames(nodes));
        EXPECT_EQ(Calls{"sqlenops_api@12"}, Fake().calls);
    }
}

TEST_F(DirectoryNodeLoad, OtherOpenCodesFailWarningsIncluded)
{
    for (const std::int32_t code : {-1029, 1014, 1}) {
        Fake().nodeOpenCode = code;
        EXPECT_FALSE(nodes.LoadNodeDirectory(app.Lib(), ca)) << code;
        EXPECT_EQ(code, Sqlcode(ca));
        EXPECT_TRUE(nodes.Entries().empty());
    }
    EXPECT_EQ((Calls{"sqlenops_api@12", "sqlenops_api@12", "sqlenops_api@12"}), Fake().calls);
}

TEST_F(DirectoryNodeLoad, LocalNodeFirstThenTheDirectoryInOrderAndTheScanClosed)
{
    Fake().nodes = {NodeRecord({"N1", "h1", "1", "I1", "", 18}), NodeRecord({"N2", "h2", "2", "I2", "", 4})};
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    EXPECT_EQ((std::vector<std::string>{"LOCAL", "N1", "N2"}), NodeNames(nodes));
    EXPECT_EQ("h2", nodes.Entries()[2]->hostName) << "each record copied before the next fetch";
    EXPECT_EQ(
        (Calls{"sqlenops_api@12", "sqlengne_api@12 handle=7", "sqlengne_api@12 handle=7", "sqlencls_api@8 handle=7"}),
        Fake().calls);
}

TEST_F(DirectoryNodeLoad, OpenWithZeroEntriesClosesAtOnce)
{
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    EXPECT_EQ((Calls{"sqlenops_api@12", "sqlencls_api@8 handle=7"}), Fake().calls);
}

TEST_F(DirectoryNodeLoad, LocalNodeAndNodesWithoutInstanceGetTheDefaultInstanceReadOncePerLoad)
{
    Fake().nodes = {NodeRecord({"N1", "h1", "1", "", "", 18}), NodeRecord({"N2", "h2", "2", "I2", "", 18}),
                    NodeRecord({"N3", "h3", "3", "", "", 18})};
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    const CRkNodeEntry& noDefault = *nodes.Entries()[0];
    EXPECT_EQ("LOCAL", noDefault.nodeName);
    EXPECT_EQ("", noDefault.instanceName);
    EXPECT_EQ("Windows", noDefault.platform);
    EXPECT_EQ("", noDefault.hostName);
    EXPECT_EQ("", noDefault.serviceName);
    EXPECT_EQ("", nodes.Entries()[1]->instanceName);
    EXPECT_EQ(1, profile.reads);

    profile.defaultInstance = "DB2";
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    EXPECT_EQ(2, profile.reads) << "once per load, however many nodes need it";
    EXPECT_EQ("DB2", nodes.Entries()[0]->instanceName) << "read at every load";
    EXPECT_EQ("DB2", nodes.Entries()[1]->instanceName);
    EXPECT_EQ("I2", nodes.Entries()[2]->instanceName);
    EXPECT_EQ("DB2", nodes.Entries()[3]->instanceName);

    profile.defaultInstance = "ABCDEFGHIJK";
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    EXPECT_EQ("ABCDEFGH", nodes.Entries()[0]->instanceName) << "the width of the instance-name array";
    EXPECT_EQ("ABCDEFGHIJK", nodes.Entries()[1]->instanceName);
}

TEST(DirectoryLocalNodeRecord, ZeroButNameInstanceAndOsType)
{
    const char instance[rk::db2::kDefaultInstanceBufferSize] = "ABCDEFGHIJK";
    unsigned char record[rk::db2::nodeinfo::kSize];
    std::memset(record, 0xA5, sizeof record);
    rk::directory::BuildLocalNodeRecord(instance, record);

    std::vector<unsigned char> expected(rk::db2::nodeinfo::kSize, 0);
    std::memcpy(expected.data(), "LOCAL", 5);
    std::memcpy(expected.data() + 451, "ABCDEFGHIJK", 11); // runs on past the 8-byte field
    expected[504] = 3;
    EXPECT_EQ(expected, std::vector<unsigned char>(record, record + sizeof record));
}

// Mended: the list used to keep every load's entries, and lookups found the
// oldest node of a name, so a node re-catalogued with another host kept
// showing the old host, and memory grew with every load.
TEST_F(DirectoryNodeLoad, EachLoadReplacesThePreviousOne)
{
    Fake().nodes = {NodeRecord({"N1", "old.example.com", "1", "I", "", 18}),
                    NodeRecord({"N2", "h2", "2", "I", "", 18})};
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    EXPECT_EQ((std::vector<std::string>{"LOCAL", "N1", "N2"}), NodeNames(nodes));

    Fake().nodes[0] = NodeRecord({"N1", "new.example.com", "1", "I", "", 18});
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    ASSERT_NE(nullptr, nodes.FindNode("N1"));
    EXPECT_EQ("new.example.com", nodes.FindNode("N1")->hostName);
    EXPECT_EQ(3u, nodes.Entries().size());
}

// Mended: a failed fetch used to leave the node scan open in the client.
TEST_F(DirectoryNodeLoad, FailedFetchClosesTheScanAndKeepsTheFetchOutcome)
{
    Fake().nodes = {NodeRecord({"N1", "h1", "1", "I", "", 18})};
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));

    Fake().calls.clear();
    Fake().nodes = {NodeRecord({"X1", "x", "1", "I", "", 18}), NodeRecord({"X2", "x", "1", "I", "", 18}),
                    NodeRecord({"X3", "x", "1", "I", "", 18})};
    Fake().FailCall("sqlengne_api@12", 3, -1029); // the second fetch of this load
    EXPECT_FALSE(nodes.LoadNodeDirectory(app.Lib(), ca));
    EXPECT_EQ(-1029, Sqlcode(ca)) << "the close must not overwrite the failed fetch's outcome";
    EXPECT_EQ((Calls{"sqlenops_api@12", "sqlengne_api@12 handle=7", "sqlengne_api@12 handle=7",
                     "fault sqlengne_api@12#3=-1029", "sqlencls_api@8 handle=7"}),
              Fake().calls);
    EXPECT_EQ((std::vector<std::string>{"LOCAL", "N1"}), NodeNames(nodes)) << "a failed load leaves the list as it was";
}

// --- the system database directory ------------------------------------------

struct RouteCase {
    FakeRoute route;
    const char* open;
    const char* fetch;
    const char* close;
    bool extended;
};

const RouteCase kNewer{FakeRoute::kNewer, "db2DbDirOpenScan@12 version=8020000 path=null",
                       "db2DbDirGetNextEntry@12 version=8020000 handle=11",
                       "db2DbDirCloseScan@12 version=8020000 handle=11", true};
const RouteCase kOpenScanOnly{FakeRoute::kOpenScanOnly, "sqledosd_api path=null", "sqledgne_api handle=11",
                              "sqledcls_api handle=11", false};
const RouteCase kOlder{FakeRoute::kOlder, "sqledosd_api path=null", "sqledgne_api handle=11", "sqledcls_api handle=11",
                       false};

const char* RouteName(FakeRoute route)
{
    switch (route) {
    case FakeRoute::kNewer: return "Newer";
    case FakeRoute::kOpenScanOnly: return "OpenScanOnly";
    default: return "Older";
    }
}

// Keeps gtest from printing the parameter's bytes into the test names.
void PrintTo(const RouteCase& routeCase, std::ostream* out) { *out << RouteName(routeCase.route); }

class DirectoryDatabaseScan : public testing::TestWithParam<RouteCase> {
protected:
    FakeAppLib app{GetParam().route};
    FakeProfileRegistry profile;
    CRkNodeList nodes{profile};
    CRkDatabaseEntries entries;
    Sqlca ca{};

    void SetUp() override { ASSERT_TRUE(app.IsLoaded()); }

    bool Scan() { return rk::directory::ScanDatabaseDirectory(app.Lib(), nodes, ca, entries); }

    void AddDatabases(const std::vector<std::string>& aliases)
    {
        for (const auto& alias : aliases)
            Fake().databases.push_back(
                DatabaseRecord({alias, alias, "", "", "N1", "", "", '1', 255, 0, "alt-" + alias, "1"}));
    }
};

TEST_P(DirectoryDatabaseScan, ReadsEveryRecordInOrderThroughItsRoute)
{
    EXPECT_EQ(GetParam().extended,
              rk::directory::ChooseRoute(app.Lib()) == rk::directory::DatabaseDirectoryRoute::kNewer);
    AddDatabases({"SALES", "STOCK", "STAFF"});
    ASSERT_TRUE(Scan());
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ("SALES", entries[0]->Alias());
    EXPECT_EQ("STOCK", entries[1]->Alias());
    EXPECT_EQ("STAFF", entries[2]->Alias());
    EXPECT_EQ(GetParam().extended ? "alt-STAFF" : "", entries[2]->AltHostName());
    const RouteCase& r = GetParam();
    EXPECT_EQ((Calls{r.open, r.fetch, r.fetch, r.fetch, r.close}), Fake().calls);
}

TEST_P(DirectoryDatabaseScan, MissingDirectorySucceedsEmptyWithoutAClose)
{
    Fake().databaseOpenCode = rk::db2::kSqlDatabaseDirectoryNotFound;
    EXPECT_TRUE(Scan());
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(rk::db2::kSqlDatabaseDirectoryNotFound, Sqlcode(ca));
    EXPECT_EQ(Calls{GetParam().open}, Fake().calls);
}

// The older interface reports an empty directory as a warning, and the host
// is shown that warning; the newer interface's empty directory is a listing.
TEST_P(DirectoryDatabaseScan, EmptyDirectoryWarningSucceedsOnlyOnTheNewerRoute)
{
    Fake().databaseOpenCode = rk::db2::kSqlSystemDirectoryEmpty;
    EXPECT_EQ(GetParam().extended, Scan());
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(rk::db2::kSqlSystemDirectoryEmpty, Sqlcode(ca));
    EXPECT_EQ(Calls{GetParam().open}, Fake().calls);
}

TEST_P(DirectoryDatabaseScan, OtherOpenCodesFail)
{
    for (const std::int32_t code : {-1029, 1014, rk::db2::kSqlNodeDirectoryEmpty}) {
        Fake().databaseOpenCode = code;
        EXPECT_FALSE(Scan()) << code;
        EXPECT_EQ(code, Sqlcode(ca));
    }
    EXPECT_TRUE(entries.empty());
}

TEST_P(DirectoryDatabaseScan, OpenWithZeroEntriesClosesAtOnce)
{
    EXPECT_TRUE(Scan());
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ((Calls{GetParam().open, GetParam().close}), Fake().calls);
}

// Mended: a failed fetch used to leave the scan open in the client.
TEST_P(DirectoryDatabaseScan, FailedFetchKeepsWhatWasAppendedAndClosesTheScan)
{
    AddDatabases({"DB1", "DB2", "DB3", "DB4", "DB5"});
    const std::string fetchExport = GetParam().extended ? "db2DbDirGetNextEntry@12" : "sqledgne_api";
    Fake().FailCall(fetchExport, 2, -1029);
    EXPECT_FALSE(Scan());
    EXPECT_EQ(-1029, Sqlcode(ca)) << "the close must not overwrite the failed fetch's outcome";
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ("DB1", entries[0]->Alias());
    const RouteCase& r = GetParam();
    EXPECT_EQ((Calls{r.open, r.fetch, r.fetch, "fault " + fetchExport + "#2=-1029", r.close}), Fake().calls);
}

INSTANTIATE_TEST_SUITE_P(Routes, DirectoryDatabaseScan, testing::Values(kNewer, kOpenScanOnly, kOlder),
                         [](const testing::TestParamInfo<RouteCase>& routeCase) {
                             return std::string(RouteName(routeCase.param.route));
                         });

} // namespace

// The newer route's parameter records as the client reads them: bytes at
// the offsets of DB2's headers for this architecture, written here as
// literals, not taken from our own table.
TEST(DirectoryScanRecords, ParameterRecordsHoldTheirFieldsAtDb2sOffsets)
{
    const bool wide = sizeof(void*) == 8;
    char path[] = "C:";
    rk::db2::DbDirOpenScanParams open{path, 0x1234, 0x5678};
    unsigned char bytes[16] = {};
    ASSERT_EQ(wide ? 16u : 8u, sizeof open);
    std::memcpy(bytes, &open, sizeof open);
    char* pointer = nullptr;
    std::memcpy(&pointer, bytes, sizeof pointer);
    EXPECT_EQ(path, pointer);
    const std::size_t handleAt = wide ? 8 : 4;
    EXPECT_EQ(0x34, bytes[handleAt]);
    EXPECT_EQ(0x12, bytes[handleAt + 1]);
    EXPECT_EQ(0x78, bytes[handleAt + 2]);
    EXPECT_EQ(0x56, bytes[handleAt + 3]);

    unsigned char entry = 0;
    rk::db2::DbDirNextEntryParams next{0x4321, &entry};
    ASSERT_EQ(wide ? 16u : 8u, sizeof next);
    std::memset(bytes, 0, sizeof bytes);
    std::memcpy(bytes, &next, sizeof next);
    EXPECT_EQ(0x21, bytes[0]);
    EXPECT_EQ(0x43, bytes[1]);
    unsigned char* entryPointer = nullptr;
    std::memcpy(&entryPointer, bytes + (wide ? 8 : 4), sizeof entryPointer);
    EXPECT_EQ(&entry, entryPointer);
    EXPECT_EQ(2u, sizeof(rk::db2::DbDirCloseScanParams));
}
