// The list handle's cursor where a walk through the exports cannot reach it,
// and its sqlca at creation.

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeDirectoryClient.h"
#include "FakeProfileRegistry.h"
#include "directory/CRkDatabaseList.h"
#include "directory/CRkNodeList.h"

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
