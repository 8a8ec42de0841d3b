// What the three scans of the stand-in's db2app.dll have in common: the
// node directory scan (sqlenops_api, sqlengne_api, sqlencls_api) and the
// system database directory scans of the older route (sqledosd_api,
// sqledgne_api, sqledcls_api) and of the newer one (db2DbDirOpenScan,
// db2DbDirGetNextEntry, db2DbDirCloseScan), each case run once per route.

#include <vector>

#include "CallLog.h"
#include "SimScanFixture.h"

namespace {

using namespace rk::db2;
using rk::test::FieldBytes;
using rk::test::kNodeRoute;
using rk::test::kOlderDatabaseRoute;
using rk::test::ScanRoute;
using rk::test::SimScan;
using rk::test::Sqlstate;
using rk::test::Tokens;

TEST_P(SimScan, MissingAndEmptyDirectoriesOpenNoScan)
{
    unsigned short handle = 77;
    unsigned short count = 77;
    EXPECT_EQ(Route().notFoundCode, Open(Route(), &handle, &count));
    EXPECT_EQ("58031", Sqlstate(ca));
    EXPECT_EQ(0, handle);
    EXPECT_EQ(0, count);
    EXPECT_EQ("SQLCA   ", FieldBytes(ca.bytes, kSqlcaId));
    EXPECT_EQ(136, rk::bytes::ReadI32(ca.bytes, kSqlcaBcOffset));

    home.Write(Route().fileName, "# no entries yet\n\n");
    handle = count = 77;
    EXPECT_EQ(Route().emptyCode, Open(Route(), &handle, &count));
    EXPECT_EQ("01606", Sqlstate(ca));
    EXPECT_EQ(0, handle);
    EXPECT_EQ(0, count);
}

TEST_P(SimScan, FetchPastTheEndAndStaleHandlesAreRefused)
{
    home.Write(Route().fileName, Route().Blocks({"ONLY"}));
    unsigned short handle = 0;
    unsigned short count = 0;
    ASSERT_EQ(0, Open(Route(), &handle, &count));
    EXPECT_EQ("00000", Sqlstate(ca));
    EXPECT_EQ(0, rk::bytes::ReadI16(ca.bytes, kSqlcaErrmlOffset));
    ASSERT_EQ(1, count);
    unsigned char* record = nullptr;
    for (const ScanRoute* other : rk::test::kScanRoutes) {
        if (other->kind != Route().kind) {
            EXPECT_EQ(-2032, Fetch(*other, handle, &record)) << "a handle of " << other->name << " scans";
        }
    }
    ASSERT_EQ(0, Fetch(Route(), handle, &record));
    EXPECT_NE(nullptr, record);
    EXPECT_EQ(kSqlNoMoreEntries, Fetch(Route(), handle, &record));
    EXPECT_EQ("02000", Sqlstate(ca));
    EXPECT_EQ(nullptr, record);

    EXPECT_EQ(0, Close(Route(), handle));
    EXPECT_EQ(-2032, Close(Route(), handle)) << "closing twice";
    EXPECT_EQ("handle", Tokens(ca));
    EXPECT_EQ(-2032, Fetch(Route(), handle, &record)) << "fetching after the close";
}

TEST_P(SimScan, ScansOpenAtOnceAreIndependentSnapshots)
{
    home.Write(Route().fileName, Route().Blocks({"N1", "N2"}));
    unsigned short first = 0;
    unsigned short second = 0;
    unsigned short count = 0;
    Open(Route(), &first, &count);
    home.Write(Route().fileName, Route().Blocks({"M1"})); // a later open sees the change, the first scan does not
    Open(Route(), &second, &count);
    ASSERT_EQ(1, count);
    EXPECT_NE(first, second);

    unsigned char* record = nullptr;
    Fetch(Route(), second, &record);
    EXPECT_EQ("M1      ", FieldBytes(record, Route().nameField));
    Fetch(Route(), first, &record);
    EXPECT_EQ("N1      ", FieldBytes(record, Route().nameField));
    Close(Route(), second);
    Fetch(Route(), first, &record);
    EXPECT_EQ("N2      ", FieldBytes(record, Route().nameField));
    EXPECT_EQ(0, Close(Route(), first));
}

TEST_P(SimScan, InjectedCodeReplacesTheWork)
{
    home.Write(Route().fileName, Route().Blocks({"N1"}));
    const rk::test::CallLog log;
    unsigned short handle = 77;
    unsigned short count = 77;
    {
        const rk::test::ScopedFaults faults(std::string(Route().openExport) + "#1=-1029");
        EXPECT_EQ(-1029, Open(Route(), &handle, &count));
        EXPECT_EQ(0, handle);
        EXPECT_EQ(0, count);
        EXPECT_EQ(0, Open(Route(), &handle, &count)) << "the second call is not injected";
    }
    EXPECT_EQ(1, handle) << "the injected open took no handle";
    EXPECT_EQ(2, log.Count(Route().openExport));
    Close(Route(), handle);
}

TEST_P(SimScan, StoreIsLookedUpAtEveryCall)
{
    home.Write(Route().fileName, Route().Blocks({"N1"}));
    EXPECT_EQ(1u, Records(Route()).size());
    const rk::test::SimHome other;
    EXPECT_TRUE(Records(Route()).empty());
    EXPECT_EQ(Route().notFoundCode, Code());
}

// As DB2: eight open scans per directory and process. The two database
// routes share the system database directory's eight; the node directory
// has eight of its own; a close makes room again.
TEST_P(SimScan, NinthOpenScanOfADirectoryIsRefused)
{
    home.Write("nodes.txt", kNodeRoute.Blocks({"N1"}));
    home.Write("databases.txt", kOlderDatabaseRoute.Blocks({"D1"}));
    std::vector<unsigned short> handles(8);
    unsigned short count = 0;
    for (auto& handle : handles)
        ASSERT_EQ(0, Open(Route(), &handle, &count));

    for (const ScanRoute* route : rk::test::kScanRoutes) {
        SCOPED_TRACE(route->name);
        unsigned short handle = 77;
        count = 77;
        if (route->SameDirectory(Route())) {
            EXPECT_EQ(Route().exhaustedCode, Open(*route, &handle, &count));
            EXPECT_EQ("54029", Sqlstate(ca));
            EXPECT_EQ(0, handle);
            EXPECT_EQ(0, count);
        } else {
            EXPECT_EQ(0, Open(*route, &handle, &count)) << "the other directory has scans of its own";
            Close(*route, handle);
        }
    }

    EXPECT_EQ(0, Close(Route(), handles[3]));
    unsigned short reopened = 0;
    EXPECT_EQ(0, Open(Route(), &reopened, &count)) << "a close makes room";
    EXPECT_EQ(handles[3], reopened) << "the smallest free handle";
    for (const unsigned short handle : handles)
        EXPECT_EQ(0, Close(Route(), handle));
}

INSTANTIATE_TEST_SUITE_P(Routes, SimScan, testing::ValuesIn(rk::test::kScanRoutes),
                         [](const testing::TestParamInfo<const ScanRoute*>& route) { return route.param->name; });

} // namespace
