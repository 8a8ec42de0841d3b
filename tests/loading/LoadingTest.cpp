// Loading the DB2 client through the exports, one process per case: when
// each library is loaded, how often, what a missing file or entry point does
// to each export, and the release order at unload. The stand-in client
// writes "load X" and "unload X" into the call log as the platform loads and
// unloads it.

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "LoadingFixture.h"
#include "db2/Db2Files.h"
#include "os/LoadedLibrary.h"

namespace {

using rk::test::Loading;

// --- the full stand-in client -----------------------------------------------
using LoadingWithClient = Loading;

TEST_F(LoadingWithClient, NothingIsLoadedBeforeFirstUseNorLeftAfterUnload)
{
    library.Unload();
    EXPECT_TRUE(log.Lines().empty()) << log.Lines().front();
}

TEST_F(LoadingWithClient, ListNewLoadsDb2AppThenDb2SysOnce)
{
    RkDatabaseList* first = library.CRkDatabaseListNew();
    RkDatabaseList* second = library.CRkDatabaseListNew();
    EXPECT_NE(nullptr, first);
    EXPECT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_TRUE(LoggedBefore("load " RK_DB2APP_FILE, "load " RK_DB2SYS_FILE));
    EXPECT_EQ(1, log.Count("load " RK_DB2APP_FILE));
    EXPECT_EQ(1, log.Count("load " RK_DB2SYS_FILE));
    EXPECT_FALSE(Logged("load " RK_DB2CLI_FILE));
    EXPECT_FALSE(Logged("unload " RK_DB2APP_FILE));
}

TEST_F(LoadingWithClient, UnloadReleasesCliThenSysThenApp)
{
    ASSERT_NO_FATAL_FAILURE(LoadAllThree());
    EXPECT_FALSE(Logged("unload " RK_DB2CLI_FILE) || Logged("unload " RK_DB2SYS_FILE) ||
                 Logged("unload " RK_DB2APP_FILE));
    library.Unload();
    if (rk::os::UnloadFinalizesInReleaseOrder()) {
        EXPECT_TRUE(LoggedBefore("unload " RK_DB2CLI_FILE, "unload " RK_DB2SYS_FILE));
        EXPECT_TRUE(LoggedBefore("unload " RK_DB2SYS_FILE, "unload " RK_DB2APP_FILE));
    } else {
        // glibc defers the finalizers of libraries released while another
        // one is being unloaded and runs them in its own order: only
        // completeness can be seen here.
        EXPECT_EQ(1, log.Count("unload " RK_DB2CLI_FILE));
        EXPECT_EQ(1, log.Count("unload " RK_DB2SYS_FILE));
        EXPECT_EQ(1, log.Count("unload " RK_DB2APP_FILE));
    }
}

TEST_F(LoadingWithClient, CatalogExportsLoadAndReleaseTheirOwnPairOnEveryCall)
{
    // The test's store cannot be written: both calls fail at their first DB2 step.
    EXPECT_EQ(0, Catalog());
    EXPECT_EQ(0, Uncatalog());
    const std::vector<std::string> once = {"load " RK_DB2APP_FILE, "load " RK_DB2SYS_FILE, "unload " RK_DB2SYS_FILE,
                                           "unload " RK_DB2APP_FILE};
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    std::vector<std::string> lines = log.Lines(); // "load X" and "unload X", without the entry points
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const std::string& line) { return line.find("load ") == std::string::npos; }),
                lines.end());
    EXPECT_EQ(twice, lines);
}

TEST_F(LoadingWithClient, CatalogReleaseLeavesTheListsLibrariesLoaded)
{
    ASSERT_NE(nullptr, library.CRkDatabaseListNew());
    Catalog();
    EXPECT_FALSE(Logged("unload " RK_DB2APP_FILE));
    EXPECT_FALSE(Logged("unload " RK_DB2SYS_FILE));
}

TEST_F(LoadingWithClient, CatalogMessageIsCutToTheBuffer)
{
    EXPECT_EQ(0, library.CatalogDatabase("warehouse7", "SALES", message, 1));
    EXPECT_EQ('\0', message[0]);
    EXPECT_EQ('#', message[1]);
    char full[1024];
    EXPECT_EQ(0, library.UncatalogDatabase("SALES", "warehous", full, sizeof full));
    ASSERT_GT(std::strlen(full), 7u);
    EXPECT_EQ(0, library.UncatalogDatabase("SALES", "warehous", message, 8));
    EXPECT_EQ(std::string(full, 7), message);
    EXPECT_EQ('#', message[8]);
}

TEST_F(LoadingWithClient, ConcurrentFirstUsesLoadEachLibraryOnce)
{
    constexpr int kThreads = 8;
    std::atomic<int> ready{0};
    std::atomic<int> handles{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back([&] {
            ++ready;
            while (ready.load() < kThreads) { }
            if (library.CRkDatabaseListNew() != nullptr)
                ++handles;
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(kThreads, handles.load());
    EXPECT_EQ(1, log.Count("load " RK_DB2APP_FILE));
    EXPECT_EQ(1, log.Count("load " RK_DB2SYS_FILE));
}

// --- no DB2 client at all ------------------------------------------------------
using LoadingWithoutClient = Loading;

TEST_F(LoadingWithoutClient, ListNewFailsOnEveryCall)
{
    EXPECT_EQ(nullptr, library.CRkDatabaseListNew());
    EXPECT_EQ(nullptr, library.CRkDatabaseListNew());
}

TEST_F(LoadingWithoutClient, CatalogExportsNameDb2AppOnEveryCall)
{
    for (int call = 0; call < 2; ++call) {
        EXPECT_EQ(0, Catalog());
        EXPECT_STREQ("Failed to load " RK_DB2APP_FILE, message);
        EXPECT_EQ(0, Uncatalog());
        EXPECT_STREQ("Failed to load " RK_DB2APP_FILE, message);
    }
}

TEST_F(LoadingWithoutClient, ConnectWritesNeitherOutputOnEveryCall)
{
    for (int call = 0; call < 2; ++call) {
        char dbms[8];
        std::memset(dbms, '#', sizeof dbms);
        EXPECT_EQ(0, library.RkConnect("SAMPLE", "user", "password", dbms, message));
        EXPECT_EQ(std::string(8, '#'), std::string(dbms, 8));
        EXPECT_EQ(std::string(sizeof message, '#'), std::string(message, sizeof message));
    }
}

// --- db2app.dll missing, db2sys.dll present ---------------------------------
using LoadingWithoutDb2App = Loading;

TEST_F(LoadingWithoutDb2App, Db2SysIsNeverTried)
{
    EXPECT_EQ(nullptr, library.CRkDatabaseListNew());
    EXPECT_EQ(0, Catalog());
    EXPECT_STREQ("Failed to load " RK_DB2APP_FILE, message);
    EXPECT_FALSE(Logged("load " RK_DB2SYS_FILE));
}

// --- db2sys.dll missing ----------------------------------------------------------
using LoadingWithoutDb2Sys = Loading;

TEST_F(LoadingWithoutDb2Sys, ListNewFailsAndKeepsDb2AppLoadedOnce)
{
    EXPECT_EQ(nullptr, library.CRkDatabaseListNew());
    EXPECT_EQ(nullptr, library.CRkDatabaseListNew());
    EXPECT_EQ(1, log.Count("load " RK_DB2APP_FILE));
}

TEST_F(LoadingWithoutDb2Sys, CatalogExportsNameDb2Sys)
{
    EXPECT_EQ(0, Catalog());
    EXPECT_STREQ("Failed to load " RK_DB2SYS_FILE, message);
    EXPECT_EQ(0, Uncatalog());
    EXPECT_STREQ("Failed to load " RK_DB2SYS_FILE, message);
}

// --- db2app.dll without a required entry point -----------------------------
using LoadingAppWithoutRequiredEntryPoint = Loading;

TEST_F(LoadingAppWithoutRequiredEntryPoint, FailsOnceAndHoldsTheLibraryUntilUnload)
{
    EXPECT_EQ(nullptr, library.CRkDatabaseListNew());
    EXPECT_EQ(nullptr, library.CRkDatabaseListNew());
    EXPECT_EQ(1, log.Count("load " RK_DB2APP_FILE));
    EXPECT_FALSE(Logged("load " RK_DB2SYS_FILE));
    EXPECT_FALSE(Logged("unload " RK_DB2APP_FILE));
    library.Unload();
    EXPECT_TRUE(Logged("unload " RK_DB2APP_FILE));
}

// --- db2app.dll without the newer directory interface, or with only its open -
using LoadingOlderApp = Loading;

TEST_F(LoadingOlderApp, MissingOptionalEntryPointsStillLoad) { EXPECT_NE(nullptr, library.CRkDatabaseListNew()); }

// --- db2cli.dll without a required entry point -----------------------------
using LoadingCliWithoutRequiredEntryPoint = Loading;

TEST_F(LoadingCliWithoutRequiredEntryPoint, ConnectFailsWithoutOutputAndHoldsTheLibrary)
{
    for (int call = 0; call < 2; ++call) {
        char dbms[8];
        std::memset(dbms, '#', sizeof dbms);
        EXPECT_EQ(0, library.RkConnect("SAMPLE", "user", "password", dbms, message));
        EXPECT_EQ(std::string(8, '#'), std::string(dbms, 8));
        EXPECT_EQ('#', message[0]);
    }
    EXPECT_EQ(1, log.Count("load " RK_DB2CLI_FILE));
    EXPECT_FALSE(Logged("SQLAllocHandle")) << "no CLI call without every entry point";
    EXPECT_FALSE(Logged("unload " RK_DB2CLI_FILE));
}

} // namespace
