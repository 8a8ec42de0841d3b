// The list handle's cursor where a walk through the exports cannot reach it,
// and its sqlca at creation.

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AllocationCounter.h"
#include "FakeDirectoryClient.h"
#include "FakeProfileRegistry.h"
#include "directory/CRkDatabaseList.h"
#include "directory/CRkNodeList.h"
#include "directory/DatabaseDetailsRecord.h"

using namespace rk::test;
using rk::db2::Sqlcode;

namespace {

class DirectoryDatabaseList : public testing::Test {
protected:
    FakeAppLib app;
    FakeProfileRegistry profile;
    CRkNodeList nodes{profile};
    CRkDatabaseList list;
    const CRkDatabaseEntry* first = nullptr;

    void SetUp() override { ASSERT_TRUE(app.IsLoaded()); }

    void Catalog(const std::vector<std::string>& aliases)
    {
        Fake().databases.clear();
        for (const auto& alias : aliases)
            Fake().databases.push_back(DatabaseRecord({alias, alias, "", "", "N1", "", "", '1', 255, 0, "", ""}));
    }

    bool Populate()
    {
        const CRkDatabaseList::Population population = list.Populate(app.Lib(), nodes);
        first = population.first;
        return population.succeeded;
    }
};

TEST_F(DirectoryDatabaseList, RepopulationThatAppendsNothingLeavesTheCursorAtTheEnd)
{
    Catalog({"SALES", "STOCK"});
    ASSERT_TRUE(Populate());
    Catalog({});
    ASSERT_TRUE(Populate());
    EXPECT_EQ(nullptr, first);
    EXPECT_EQ(nullptr, list.Next());
}

TEST_F(DirectoryDatabaseList, FailedPopulationLeavesAFinishedWalkFinished)
{
    Catalog({"SALES"});
    ASSERT_TRUE(Populate());
    EXPECT_EQ(nullptr, list.Next());

    Catalog({"DB1", "DB2", "DB3"});
    Fake().FailCall("db2DbDirGetNextEntry@12", 3, -1029); // the second fetch of this population
    EXPECT_FALSE(Populate());
    EXPECT_EQ(nullptr, first);
    EXPECT_EQ(2u, list.KeptEntryCount()) << "the entry read before the failure stays";
    EXPECT_EQ(nullptr, list.Next()) << "a failure leaves the walk where it was";
    EXPECT_EQ(-1029, Sqlcode(list.Sqlca()));

    Catalog({"DB1"});
    ASSERT_TRUE(Populate());
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(2u, list.KeptEntryCount()) << "the entry kept from the failed population is reused";
    EXPECT_EQ(std::vector<const CRkDatabaseEntry*>{first}, list.LatestPopulation());
}

TEST_F(DirectoryDatabaseList, RepopulationReusesUnchangedEntriesAndWalksOnlyTheLatest)
{
    Catalog({"SALES", "STOCK", "STAFF"});
    ASSERT_TRUE(Populate());
    const std::vector<const CRkDatabaseEntry*> earlier = list.LatestPopulation();

    // The same texts split differently make a different entry.
    Fake().databases[2] = DatabaseRecord({"STAFF", "STAF", "F", "", "N1", "", "", '1', 255, 0, "", ""});
    ASSERT_TRUE(Populate());
    const std::vector<const CRkDatabaseEntry*> latest = list.LatestPopulation();
    ASSERT_EQ(3u, latest.size());
    EXPECT_EQ(earlier[0], latest[0]);
    EXPECT_EQ(earlier[1], latest[1]);
    EXPECT_NE(earlier[2], latest[2]);
    EXPECT_EQ(4u, list.KeptEntryCount());
    EXPECT_EQ("STAFF", earlier[2]->DatabaseName()) << "an earlier entry is never changed";
    EXPECT_TRUE(list.Holds(earlier[2]));

    std::vector<const CRkDatabaseEntry*> walked{first};
    while (const CRkDatabaseEntry* entry = list.Next())
        walked.push_back(entry);
    EXPECT_EQ(latest, walked);
}

// Where the process's operator new is not the counting one (valgrind
// replaces it), the counter sees nothing and the test has nothing to measure.
bool AllocationsAreCounted()
{
    static char* volatile probe = nullptr;
    const long long before = rk::bench::LiveBytes();
    probe = new char[64];
    const bool counted = rk::bench::LiveBytes() - before >= 64;
    delete[] probe;
    return counted;
}

TEST_F(DirectoryDatabaseList, RepopulatingAnUnchangedDirectoryKeepsNothingNew)
{
    if (!AllocationsAreCounted())
        GTEST_SKIP() << "operator new is not counted in this process";
    Catalog({"SALES", "STOCK", "STAFF", "PAYROLL"});
    ASSERT_TRUE(Populate());
    const std::vector<const CRkDatabaseEntry*> earlier = list.LatestPopulation();
    std::vector<std::string> details;
    for (const CRkDatabaseEntry* entry : earlier) {
        std::string record(RKDB2_DETAILS_SIZE, '#');
        rk::directory::WriteDatabaseDetails(*entry, &record[0]);
        details.push_back(record);
    }
    // The fake client's call log is emptied after each population: only the
    // handle's memory is measured.
    const auto populate = [this] {
        const bool succeeded = Populate();
        Fake().calls.clear();
        return succeeded;
    };
    ASSERT_TRUE(populate());
    const long long settled = rk::bench::LiveBytes();
    for (int i = 0; i < 2000; ++i)
        ASSERT_TRUE(populate());
    EXPECT_LE(rk::bench::LiveBytes() - settled, 256) << "2,000 populations of an unchanged directory";

    Fake().databases[1] = DatabaseRecord({"STOCK", "STOCK2", "", "", "N1", "", "", '1', 255, 0, "", ""});
    const long long beforeChange = rk::bench::LiveBytes();
    ASSERT_TRUE(populate());
    const long long oneEntry = rk::bench::LiveBytes() - beforeChange;
    EXPECT_GT(oneEntry, 0);
    EXPECT_LE(oneEntry, 512) << "one changed database keeps about one entry";
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(populate());
    EXPECT_LE(rk::bench::LiveBytes() - beforeChange, oneEntry + 256);

    for (std::size_t i = 0; i < earlier.size(); ++i) {
        std::string record(RKDB2_DETAILS_SIZE, '#');
        rk::directory::WriteDatabaseDetails(*earlier[i], &record[0]);
        EXPECT_EQ(details[i], record) << i;
    }
}

// Mended: a population that failed inside the library (out of memory) used
// to leave the sqlca of its last DB2 call, often a success, as its error.
TEST_F(DirectoryDatabaseList, EveryFailedAllocationOfAPopulationIsTheListsOwnFailure)
{
    if (!AllocationsAreCounted())
        GTEST_SKIP() << "operator new is not counted in this process";
    Catalog({"SALES", "STOCK"});
    ASSERT_TRUE(Populate());
    const std::vector<const CRkDatabaseEntry*> earlier = list.LatestPopulation();
    Catalog({"SALES", "STAFF", "PAYROLL"});
    long long failed = 0;
    for (long long n = 1;; ++n) {
        rk::bench::FailAllocation(n);
        const bool succeeded = Populate();
        const bool reached = rk::bench::AllocationFailed();
        rk::bench::FailAllocation(0);
        if (!reached) {
            EXPECT_TRUE(succeeded);
            EXPECT_FALSE(list.LastError().failedInside) << "a success clears it";
            break;
        }
        ++failed;
        EXPECT_FALSE(succeeded) << "allocation " << n;
        EXPECT_TRUE(list.LastError().failedInside) << "allocation " << n;
        EXPECT_EQ(earlier, list.LatestPopulation()) << "allocation " << n;
        Fake().calls.clear();
    }
    EXPECT_GT(failed, 5);

    Fake().FailCall("db2DbDirOpenScan@12", 0, -1039);
    EXPECT_FALSE(Populate());
    EXPECT_FALSE(list.LastError().failedInside) << "a DB2 failure is DB2's";
    EXPECT_EQ(-1039, Sqlcode(list.LastError().sqlca));
}

// Mended: the handle's sqlca used to be read before any DB2 call filled it.
TEST(DirectoryDatabaseListCreation, SqlcaStartsZeroed)
{
    alignas(CRkDatabaseList) unsigned char storage[sizeof(CRkDatabaseList)];
    std::memset(storage, 0xA5, sizeof storage);
    auto* list = new (storage) CRkDatabaseList();
    const rk::db2::Sqlca zero{};
    EXPECT_EQ(0, std::memcmp(zero.bytes, list->Sqlca().bytes, sizeof zero.bytes));
    EXPECT_EQ(nullptr, list->Next());
    list->~CRkDatabaseList();
}

} // namespace
