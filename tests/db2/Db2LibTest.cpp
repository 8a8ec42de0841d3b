// The DB2 library objects against a recording loader: one load attempt per
// object, the lookup order and its stop at the first missing required name,
// optional entry points, and release.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingLoader.h"
#include "db2/CRkCatalogApi.h"
#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2CliLib.h"
#include "db2/CRkDb2SysLib.h"

using rk::test::Entry;
using rk::test::RecordingLoader;
using Calls = std::vector<std::string>;

namespace {

void RK_DB2_CALL AnyEntryPoint() {}

RecordingLoader::Exports ExportsNamed(std::vector<std::string> names)
{
    RecordingLoader::Exports exports;
    for (const auto& name : names)
        exports[name] = Entry(&AnyEntryPoint);
    return exports;
}

const std::vector<std::string> kCliNames = {"SQLAllocHandle", "SQLFreeHandle", "SQLConnect",
                                            "SQLDisconnect",  "SQLGetInfo",    "SQLGetDiagRec"};
const std::vector<std::string> kAppOptional = {"db2DbDirOpenScan@12", "db2DbDirCloseScan@12",
                                               "db2DbDirGetNextEntry@12"};
const std::vector<std::string> kAppRequired = {"sqlenops_api@12", "sqlengne_api@12", "sqlencls_api@8",
                                               "sqledcls_api",    "sqledgne_api",    "sqledosd_api",
                                               "sqlectnd_api",    "sqlecadb_api",    "sqleuncn_api",
                                               "sqleuncd_api"};
const std::vector<std::string> kSysNames = {"sqlaintp_api@20", "sqlogstt"};

std::vector<std::string> Without(std::vector<std::string> names, const std::string& missing)
{
    names.erase(std::remove(names.begin(), names.end(), missing), names.end());
    return names;
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Calls Lookups(const std::vector<std::string>& names)
{
    Calls calls;
    for (const auto& name : names)
        calls.push_back("lookup " + name);
    return calls;
}

TEST(Db2LibLoad, CliWithoutGetDiagRecFailsKeepsTheLibraryAndNeverRetries)
{
    RecordingLoader loader;
    loader.Provide("db2cli.dll", ExportsNamed(Without(kCliNames, "SQLGetDiagRec")));
    {
        CRkDb2CliLib cli(loader);
        EXPECT_FALSE(cli.Load());
        EXPECT_NE(nullptr, cli.SQLAllocHandle);
        EXPECT_NE(nullptr, cli.SQLFreeHandle);
        EXPECT_NE(nullptr, cli.SQLConnect);
        EXPECT_NE(nullptr, cli.SQLDisconnect);
        EXPECT_NE(nullptr, cli.SQLGetInfo);
        EXPECT_EQ(nullptr, cli.SQLGetDiagRec);
        Calls expected = {"load db2cli.dll"};
        const Calls lookups = Lookups(kCliNames);
        expected.insert(expected.end(), lookups.begin(), lookups.end());
        EXPECT_EQ(expected, loader.calls) << "held, not released, after the failed resolution";

        EXPECT_FALSE(cli.Load());
        EXPECT_EQ(expected, loader.calls) << "a second Load neither loads nor looks up";
    }
    EXPECT_EQ("release db2cli.dll", loader.calls.back());
}

TEST(Db2LibLoad, AppWithoutTheNewerDirectoryInterfaceStillLoads)
{
    RecordingLoader loader;
    loader.Provide("db2app.dll", ExportsNamed(kAppRequired));
    CRkDb2AppLib app(loader);
    EXPECT_TRUE(app.Load());
    EXPECT_EQ(nullptr, app.db2DbDirOpenScan);
    EXPECT_EQ(nullptr, app.db2DbDirCloseScan);
    EXPECT_EQ(nullptr, app.db2DbDirGetNextEntry);
    EXPECT_NE(nullptr, app.sqleuncd_api);
}

TEST(Db2LibLoad, AppLooksUpOptionalNamesFirstThenRequiredOnesInOrderUntilOneIsMissing)
{
    RecordingLoader loader;
    loader.Provide("db2app.dll", ExportsNamed(Concat(kAppOptional, Without(kAppRequired, "sqledcls_api"))));
    CRkDb2AppLib app(loader);
    EXPECT_FALSE(app.Load());
    Calls expected = {"load db2app.dll"};
    for (const auto& lookup : Lookups(kAppOptional))
        expected.push_back(lookup);
    for (const auto& lookup : Lookups({"sqlenops_api@12", "sqlengne_api@12", "sqlencls_api@8", "sqledcls_api"}))
        expected.push_back(lookup);
    EXPECT_EQ(expected, loader.calls) << "sqledgne_api and the later names are never looked up";
}

TEST(Db2LibLoad, CompleteLibrariesLoadOnceWithEveryEntryPoint)
{
    RecordingLoader loader;
    loader.Provide("db2app.dll", ExportsNamed(Concat(kAppOptional, kAppRequired)));
    loader.Provide("db2sys.dll", ExportsNamed(kSysNames));
    loader.Provide("db2cli.dll", ExportsNamed(kCliNames));
    CRkDb2AppLib app(loader);
    CRkDb2SysLib sys(loader);
    CRkDb2CliLib cli(loader);
    EXPECT_TRUE(app.Load());
    EXPECT_TRUE(app.Load());
    EXPECT_TRUE(sys.Load());
    EXPECT_TRUE(cli.Load());
    EXPECT_NE(nullptr, app.db2DbDirGetNextEntry);
    EXPECT_NE(nullptr, sys.sqlogstt);
    EXPECT_NE(nullptr, cli.SQLGetDiagRec);
    EXPECT_EQ(1, std::count(loader.calls.begin(), loader.calls.end(), "load db2app.dll"));
    EXPECT_EQ(Lookups(kSysNames).front(), loader.calls[1 + kAppOptional.size() + kAppRequired.size() + 1]);
}

TEST(Db2LibLoad, MissingFileFailsOnEveryCallWithOneAttempt)
{
    RecordingLoader loader;
    CRkDb2SysLib sys(loader);
    EXPECT_FALSE(sys.Load());
    EXPECT_FALSE(sys.Load());
    EXPECT_EQ(Calls{"load db2sys.dll"}, loader.calls);
}

TEST(Db2LibLoad, ObjectNeverLoadedReleasesNothing)
{
    RecordingLoader loader;
    loader.Provide("db2app.dll", ExportsNamed(kAppRequired));
    {
        CRkDb2AppLib app(loader);
        EXPECT_EQ("db2app.dll", app.GetFileName());
    }
    EXPECT_TRUE(loader.calls.empty());
}

TEST(CatalogApiLoad, NeitherFilePresentNamesDb2AppAndNeverTriesDb2Sys)
{
    RecordingLoader loader;
    std::string message = "earlier text";
    {
        CRkCatalogApi api(loader);
        EXPECT_FALSE(api.LoadLibraries(message));
    }
    EXPECT_EQ("Failed to load db2app.dll", message);
    EXPECT_EQ(Calls{"load db2app.dll"}, loader.calls);
}

TEST(CatalogApiLoad, OnlyDb2SysMissingNamesDb2Sys)
{
    RecordingLoader loader;
    loader.Provide("db2app.dll", ExportsNamed(kAppRequired));
    std::string message;
    CRkCatalogApi api(loader);
    EXPECT_FALSE(api.LoadLibraries(message));
    EXPECT_EQ("Failed to load db2sys.dll", message);
}

TEST(CatalogApiLoad, SuccessLeavesTheMessageAndReleasesDb2SysFirst)
{
    RecordingLoader loader;
    loader.Provide("db2app.dll", ExportsNamed(kAppRequired));
    loader.Provide("db2sys.dll", ExportsNamed(kSysNames));
    std::string message = "untouched";
    {
        CRkCatalogApi api(loader);
        EXPECT_TRUE(api.LoadLibraries(message));
    }
    EXPECT_EQ("untouched", message);
    ASSERT_GE(loader.calls.size(), 2u);
    EXPECT_EQ((Calls{"release db2sys.dll", "release db2app.dll"}),
              Calls(loader.calls.end() - 2, loader.calls.end()));
}

} // namespace
