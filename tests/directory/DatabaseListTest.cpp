// The list handle against the in-process fake client: what a population
// hands out and where it leaves the cursor, walks, and the handle's sqlca.

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeDirectoryClient.h"
#include "directory/CRkDatabaseList.h"
#include "directory/CRkNodeList.h"

using namespace rk::test;
using rk::db2::Sqlcode;
using Calls = std::vector<std::string>;

namespace {

class DirectoryDatabaseList : public testing::Test {
protected:
    FakeAppLib app;
    CRkNodeList nodes;
    CRkDatabaseList list;
    const CRkDatabaseEntry* first = nullptr;

    void SetUp() override { ASSERT_TRUE(app.IsLoaded()); }

    void Catalog(const std::vector<std::string>& aliases)
    {
        Fake().databases.clear();
        for (const auto& alias : aliases)
            Fake().databases.push_back(DatabaseRecord({alias, alias, "", "", "N1", "", "", '1', 255, 0, "", ""}));
    }

    bool Populate() { return list.Populate(app.Lib(), nodes, first); }

    // The aliases Next gives until the end.
    std::vector<std::string> Walk()
    {
        std::vector<std::string> aliases;
        while (const CRkDatabaseEntry* entry = list.Next())
            aliases.push_back(entry->alias);
        return aliases;
    }
};

TEST_F(DirectoryDatabaseList, NeverPopulatedGivesNothing)
{
    EXPECT_EQ(nullptr, list.Next());
    EXPECT_EQ(nullptr, list.Next());
}

TEST_F(DirectoryDatabaseList, PopulationGivesTheFirstAndTheWalkTheRestThenNullForGood)
{
    Catalog({"SALES", "STOCK", "STAFF"});
    ASSERT_TRUE(Populate());
    ASSERT_NE(nullptr, first);
    EXPECT_EQ("SALES", first->alias);
    EXPECT_EQ((std::vector<std::string>{"STOCK", "STAFF"}), Walk());
    EXPECT_EQ(nullptr, list.Next());
}

TEST_F(DirectoryDatabaseList, EmptyDirectoryIsASuccessfulEmptyListing)
{
    Fake().databaseOpenCode = rk::db2::kSqlSystemDirectoryEmpty;
    CRkDatabaseEntry* const marker = reinterpret_cast<CRkDatabaseEntry*>(&nodes);
    first = marker;
    ASSERT_TRUE(Populate());
    EXPECT_EQ(nullptr, first);
    EXPECT_EQ(nullptr, list.Next());
}

// Mended: a second population used to hand out the first population's first
// entry, and the walk then ran through both populations.
TEST_F(DirectoryDatabaseList, RepopulationWalksOnlyItsOwnEntriesAndKeepsTheOldOnesValid)
{
    Catalog({"SALES", "STOCK", "STAFF"});
    ASSERT_TRUE(Populate());
    const CRkDatabaseEntry* firstOfFirst = first;
    ASSERT_NE(nullptr, list.Next()) << "part way through the first walk";

    Catalog({"SALES", "STOCK", "STAFF"});
    ASSERT_TRUE(Populate());
    ASSERT_NE(nullptr, first);
    EXPECT_NE(firstOfFirst, first) << "the new population's own SALES";
    EXPECT_EQ("SALES", first->alias);
    EXPECT_EQ((std::vector<std::string>{"STOCK", "STAFF"}), Walk());
    EXPECT_EQ(6u, list.GetEntries().size());
    EXPECT_EQ("SALES", firstOfFirst->alias) << "entries handed out earlier stay valid";
    EXPECT_TRUE(list.Holds(firstOfFirst));
}

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
    EXPECT_EQ(2u, list.GetEntries().size()) << "the entry appended before the failure stays";
    EXPECT_EQ(nullptr, list.Next()) << "the end stays the end when entries are appended behind it";
    EXPECT_EQ(-1029, Sqlcode(list.GetSqlca()));

    Catalog({"DB1"});
    ASSERT_TRUE(Populate());
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(list.GetEntries()[2].get(), first);
}

TEST_F(DirectoryDatabaseList, FailedNodeLoadReadsNoDatabaseDirectory)
{
    Catalog({"SALES"});
    Fake().nodeOpenCode = -1029;
    EXPECT_FALSE(Populate());
    EXPECT_EQ(nullptr, first);
    EXPECT_EQ(-1029, Sqlcode(list.GetSqlca()));
    EXPECT_EQ(Calls{"sqlenops_api@12"}, Fake().calls);
    EXPECT_EQ(nullptr, list.Next());
}

TEST_F(DirectoryDatabaseList, EntriesKeepTheHostOfTheLoadTheyWereBuiltWith)
{
    Fake().nodes = {NodeRecord({"N1", "old.example.com", "1", "I", "", 18})};
    Catalog({"SALES"});
    ASSERT_TRUE(Populate());
    const CRkDatabaseEntry* before = first;

    Fake().nodes = {NodeRecord({"N1", "new.example.com", "1", "I", "", 18})};
    ASSERT_TRUE(Populate());
    ASSERT_NE(nullptr, first);
    EXPECT_EQ("new.example.com", first->hostName);
    EXPECT_EQ("old.example.com", before->hostName) << "copies, not references to replaced node entries";
}

// Mended: the handle's sqlca used to be read before any DB2 call filled it.
TEST(DirectoryDatabaseListCreation, SqlcaStartsZeroed)
{
    alignas(CRkDatabaseList) unsigned char storage[sizeof(CRkDatabaseList)];
    std::memset(storage, 0xA5, sizeof storage);
    auto* list = new (storage) CRkDatabaseList();
    const rk::db2::Sqlca zero{};
    EXPECT_EQ(0, std::memcmp(zero.bytes, list->GetSqlca().bytes, sizeof zero.bytes));
    EXPECT_EQ(nullptr, list->Next());
    list->~CRkDatabaseList();
}

} // namespace
