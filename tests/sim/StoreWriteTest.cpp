// The store's write side: edits under the lock, atomic replacement, and
// where the store lives.

#include <filesystem>

#include <gtest/gtest.h>

#include "CRkDirectoryStore.h"
#include "DefaultStoreCase.h"
#include "SimTestSupport.h"
#include "TestPaths.h"
#include "os/FileLock.h"
#include "os/Files.h"

namespace {

using namespace rk::sim::store;

class SimStoreWrite : public testing::Test {
protected:
    rk::test::SimHome home;
    CRkDirectoryStore store{home.Path() + "/store"};

    static NodeEntry Node(const std::string& name)
    {
        NodeEntry node;
        node.nodeName = name;
        node.hostName = name + ".example.com";
        return node;
    }
    static DatabaseEntry Database(const std::string& alias)
    {
        DatabaseEntry database;
        database.alias = alias;
        database.databaseName = alias;
        return database;
    }
};

TEST_F(SimStoreWrite, AddingCreatesTheStoreAndRefusesANameInAnyCase)
{
    EXPECT_FALSE(store.ReadNodes());
    EXPECT_EQ(EditResult::kDone, store.AddNode(Node("N1")));
    EXPECT_EQ(EditResult::kDone, store.AddNode(Node("N2")));
    EXPECT_EQ(EditResult::kDuplicate, store.AddNode(Node("n1")));
    EXPECT_EQ((std::vector<NodeEntry>{Node("N1"), Node("N2")}), store.ReadNodes());

    EXPECT_EQ(EditResult::kDone, store.AddDatabase(Database("DB1")));
    EXPECT_EQ(EditResult::kDuplicate, store.AddDatabase(Database("db1")));
    EXPECT_EQ((std::vector<DatabaseEntry>{Database("DB1")}), store.ReadDatabases());
}

TEST_F(SimStoreWrite, RemovingTellsMissingFileFromMissingEntry)
{
    EXPECT_EQ(EditResult::kFileMissing, store.RemoveNode("N1"));
    EXPECT_EQ(EditResult::kFileMissing, store.RemoveDatabase("DB1"));
    EXPECT_FALSE(std::filesystem::exists(store.Directory())) << "removing must not create the store";

    ASSERT_TRUE(store.WriteNodes({Node("N1"), Node("N2"), Node("N3")}));
    EXPECT_EQ(EditResult::kNotFound, store.RemoveNode("N4"));
    EXPECT_EQ(EditResult::kDone, store.RemoveNode("n2"));
    EXPECT_EQ((std::vector<NodeEntry>{Node("N1"), Node("N3")}), store.ReadNodes());

    ASSERT_TRUE(store.WriteDatabases({Database("DB1")}));
    EXPECT_EQ(EditResult::kDone, store.RemoveDatabase("DB1"));
    EXPECT_EQ(std::vector<DatabaseEntry>{}, store.ReadDatabases()) << "the file stays, empty";
}

TEST_F(SimStoreWrite, ReplacementLeavesOnlyTheNewFile)
{
    const std::string path = home.FilePath("nodes.txt");
    home.Write("nodes.txt", "old");
    ASSERT_TRUE(rk::os::ReplaceFileAtomically(path, "new content"));
    EXPECT_EQ("new content", home.Read("nodes.txt"));
    EXPECT_EQ("nodes.txt", home.Listing()) << "no temporary file is left behind";
}

TEST_F(SimStoreWrite, FailedReplacementKeepsTheOldFile)
{
    // A directory in the file's place cannot be renamed over.
    std::filesystem::create_directories(home.FilePath("nodes.txt") + "/inside");
    EXPECT_FALSE(rk::os::ReplaceFileAtomically(home.FilePath("nodes.txt"), "new"));
    EXPECT_TRUE(std::filesystem::is_directory(home.FilePath("nodes.txt") + "/inside"));
    EXPECT_EQ("nodes.txt", home.Listing()) << "the temporary file is removed";

    EXPECT_FALSE(rk::os::ReplaceFileAtomically(home.FilePath("missing-dir/nodes.txt"), "new"));
}

TEST_F(SimStoreWrite, TheLockKeepsASecondWriterOut)
{
    const std::string lockPath = home.FilePath("store.lock");
    {
        const rk::os::FileLock first(lockPath);
        ASSERT_TRUE(first.IsHeld());
        const rk::os::FileLock second(lockPath, rk::os::FileLock::Wait::kFailImmediately);
        EXPECT_FALSE(second.IsHeld());
    }
    const rk::os::FileLock afterRelease(lockPath, rk::os::FileLock::Wait::kFailImmediately);
    EXPECT_TRUE(afterRelease.IsHeld());
    EXPECT_FALSE(rk::os::FileLock(home.FilePath("missing-dir/store.lock")).IsHeld());
}

TEST_F(SimStoreWrite, AnEditThatCannotTakeTheLockWritesNothing)
{
    // A directory in the lock file's place: the lock cannot be taken.
    std::filesystem::create_directories(home.FilePath("blocked/store.lock/x"));
    const CRkDirectoryStore blocked(home.FilePath("blocked"));
    EXPECT_EQ(EditResult::kWriteFailed, blocked.AddNode(Node("N1")));
    EXPECT_FALSE(blocked.ReadNodes());
}

TEST(SimStoreLocation, EnvironmentChoosesTheDirectory)
{
    {
        const rk::test::ScopedEnv home("RKDB2_SIM_HOME", "/some/where");
        EXPECT_EQ(rk::os::PlatformPath("/some/where"), CRkDirectoryStore::FromEnvironment().Directory());
        EXPECT_EQ(rk::os::PlatformPath("/some/where") + "/nodes.txt", CRkDirectoryStore::FromEnvironment().NodesPath());
    }
    const auto profileCase = rk::test::ProfileDefaultStoreCase();
    const rk::test::ScopedEnv profile(profileCase.variable, profileCase.value);
    EXPECT_EQ(profileCase.directory, CRkDirectoryStore::FromEnvironment().Directory());
}

} // namespace
