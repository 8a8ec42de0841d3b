// The DB2 library objects against a recording loader: one load attempt per
// object, the lookup order and its stop at the first missing required name,
// optional entry points, and release. The entry points come from the lists
// of db2/Db2EntryPoints.h, so every entry point of every library is covered.

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingLoader.h"
#include "db2/CRkCatalogApi.h"
#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2CliLib.h"
#include "db2/CRkDb2SysLib.h"
#include "db2/Db2Files.h"

using rk::test::Entry;
using rk::test::RecordingLoader;
using Calls = std::vector<std::string>;

namespace {

void RK_DB2_CALL AnyEntryPoint() { }

RecordingLoader::Exports ExportsNamed(const std::vector<std::string>& names)
{
    RecordingLoader::Exports exports;
    for (const auto& name : names)
        exports[name] = Entry(&AnyEntryPoint);
    return exports;
}

Calls Lookups(const std::vector<std::string>& names)
{
    Calls calls;
    for (const auto& name : names)
        calls.push_back("lookup " + name);
    return calls;
}

// One library with its list: the exported names in lookup order, which of
// them are required, and whether each field of a loaded object is set.
struct ListedLibrary {
    std::string fileName;
    std::vector<std::string> names;
    std::vector<bool> required;
    std::function<std::unique_ptr<CRkDb2Lib>(RecordingLoader&)> make;
    std::function<std::vector<bool>(const CRkDb2Lib&)> fieldsSet;
};

#define RK_TEST_NAME(field, exportName, Fn, need) exportName,
#define RK_TEST_REQUIRED(field, exportName, Fn, need) \
    rk::db2::EntryPointNeed::need == rk::db2::EntryPointNeed::kRequired,
#define RK_TEST_FIELD_SET(field, exportName, Fn, need) lib.field != nullptr,

// A library's row, taken whole from its list.
#define RK_TEST_LISTED_LIBRARY(fileName, Lib, LIST)                                                              \
    ListedLibrary                                                                                                \
    {                                                                                                            \
        fileName, {LIST(RK_TEST_NAME)}, {LIST(RK_TEST_REQUIRED)},                                                \
            [](RecordingLoader& loader) -> std::unique_ptr<CRkDb2Lib> { return std::make_unique<Lib>(loader); }, \
            [](const CRkDb2Lib& base) {                                                                          \
                const auto& lib = static_cast<const Lib&>(base);                                                 \
                return std::vector<bool>{LIST(RK_TEST_FIELD_SET)};                                               \
            }                                                                                                    \
    }

const ListedLibrary kApp = RK_TEST_LISTED_LIBRARY(RK_DB2APP_FILE, CRkDb2AppLib, RK_DB2APP_ENTRY_POINTS);
const ListedLibrary kSys = RK_TEST_LISTED_LIBRARY(RK_DB2SYS_FILE, CRkDb2SysLib, RK_DB2SYS_ENTRY_POINTS);
const ListedLibrary kCli = RK_TEST_LISTED_LIBRARY(RK_DB2CLI_FILE, CRkDb2CliLib, RK_DB2CLI_ENTRY_POINTS);
const ListedLibrary* const kLibraries[] = {&kApp, &kSys, &kCli};

std::vector<std::string> Without(std::vector<std::string> names, const std::string& missing)
{
    names.erase(std::remove(names.begin(), names.end(), missing), names.end());
    return names;
}

std::vector<std::string> Optional(const ListedLibrary& library)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < library.names.size(); ++i)
        if (!library.required[i])
            names.push_back(library.names[i]);
    return names;
}

std::vector<std::string> RequiredOnly(const ListedLibrary& library)
{
    std::vector<std::string> names = library.names;
    for (const auto& optional : Optional(library))
        names = Without(names, optional);
    return names;
}

// Every library complete, then each entry point missing alone: a missing
// required name fails the load (now and on every later call, without a
// second attempt) and is the last name looked up; a missing optional one is
// not a failure. The library stays held until the object goes.
TEST(Db2LibLoad, EachEntryPointMissingAloneFailsOnlyWhenRequiredAndEndsTheLookupThere)
{
    for (const ListedLibrary* library : kLibraries) {
        for (std::size_t missing = 0; missing <= library->names.size(); ++missing) {
            const bool complete = missing == library->names.size();
            const std::string what = library->fileName + " without " + (complete ? "nothing" : library->names[missing]);
            RecordingLoader loader;
            loader.Provide(library->fileName,
                           ExportsNamed(complete ? library->names : Without(library->names, library->names[missing])));
            const bool fails = !complete && library->required[missing];
            const std::size_t lookedUp = fails ? missing + 1 : library->names.size();
            {
                const auto lib = library->make(loader);
                EXPECT_EQ(!fails, lib->Load()) << what;
                Calls expected = {"load " + library->fileName};
                for (std::size_t i = 0; i < lookedUp; ++i)
                    expected.push_back("lookup " + library->names[i]);
                EXPECT_EQ(expected, loader.calls) << what;

                std::vector<bool> set(library->names.size(), false);
                for (std::size_t i = 0; i < lookedUp; ++i)
                    set[i] = i != missing;
                EXPECT_EQ(set, library->fieldsSet(*lib)) << what;

                EXPECT_EQ(!fails, lib->Load()) << what;
                EXPECT_EQ(expected, loader.calls) << what << ": a second Load neither loads nor looks up";
            }
            EXPECT_EQ("release " + library->fileName, loader.calls.back()) << what;
        }
    }
}

// The lookup order DB2's clients are known to need, which differs from the
// field order the libraries were first written with.
TEST(Db2LibLoad, NamesAreLookedUpInTheirKnownOrder)
{
    const std::vector<std::vector<std::string>> known = {
        {"db2DbDirOpenScan@12", "db2DbDirCloseScan@12", "db2DbDirGetNextEntry@12", "sqlenops_api@12", "sqlengne_api@12",
         "sqlencls_api@8", "sqledcls_api", "sqledgne_api", "sqledosd_api", "sqlectnd_api", "sqlecadb_api",
         "sqleuncn_api", "sqleuncd_api"},
        {"sqlaintp_api@20", "sqlogstt"},
        {"SQLAllocHandle", "SQLFreeHandle", "SQLConnect", "SQLDisconnect", "SQLGetInfo", "SQLGetDiagRec"},
    };
    for (std::size_t i = 0; i < known.size(); ++i) {
        RecordingLoader loader;
        loader.Provide(kLibraries[i]->fileName, ExportsNamed(kLibraries[i]->names));
        EXPECT_TRUE(kLibraries[i]->make(loader)->Load());
        // Entry points added to a list later may stand anywhere among these.
        const Calls knownLookups = Lookups(known[i]);
        Calls seen;
        for (const auto& call : loader.calls)
            if (std::count(knownLookups.begin(), knownLookups.end(), call) != 0)
                seen.push_back(call);
        EXPECT_EQ(knownLookups, seen) << kLibraries[i]->fileName;
    }
}

TEST(Db2LibLoad, AppWithoutTheNewerDirectoryInterfaceStillLoads)
{
    RecordingLoader loader;
    loader.Provide(RK_DB2APP_FILE, ExportsNamed(RequiredOnly(kApp)));
    CRkDb2AppLib app(loader);
    EXPECT_TRUE(app.Load());
    EXPECT_EQ(nullptr, app.db2DbDirOpenScan);
    EXPECT_EQ(nullptr, app.db2DbDirCloseScan);
    EXPECT_EQ(nullptr, app.db2DbDirGetNextEntry);
    EXPECT_NE(nullptr, app.sqleuncd_api);
}

TEST(Db2LibLoad, MissingFileFailsOnEveryCallWithOneAttempt)
{
    RecordingLoader loader;
    CRkDb2SysLib sys(loader);
    EXPECT_FALSE(sys.Load());
    EXPECT_FALSE(sys.Load());
    Calls expected{"load " RK_DB2SYS_FILE};
    if (rk::db2::kMessagesFallBackToApp)
        expected.push_back("load " RK_DB2APP_FILE);
    EXPECT_EQ(expected, loader.calls);
}

// The 64-bit client's message entry points: from db2sys64.dll, or from
// db2app64.dll only where db2sys64.dll cannot be loaded at all. Every
// outcome carries db2sys64.dll's name.
TEST(Db2LibLoad, MessageLibraryFallsBackToTheApplicationLibraryOnlyWhenItsFileIsMissing)
{
    if (!rk::db2::kMessagesFallBackToApp)
        GTEST_SKIP() << "this client's application library does not carry the message entry points";
    const std::vector<std::string> incomplete = Without(kSys.names, kSys.names.back());
    struct Route {
        const char* what;
        const std::vector<std::string>* sysExports; // null: no db2sys64.dll
        const std::vector<std::string>* appExports; // null: no db2app64.dll
        bool loads;
        Calls loadCalls;
    };
    const Route routes[] = {
        {"db2sys64.dll complete", &kSys.names, &kSys.names, true, {"load " RK_DB2SYS_FILE}},
        {"db2sys64.dll incomplete", &incomplete, &kSys.names, false, {"load " RK_DB2SYS_FILE}},
        {"db2sys64.dll missing", nullptr, &kSys.names, true, {"load " RK_DB2SYS_FILE, "load " RK_DB2APP_FILE}},
        {"fallback incomplete", nullptr, &incomplete, false, {"load " RK_DB2SYS_FILE, "load " RK_DB2APP_FILE}},
        {"neither file", nullptr, nullptr, false, {"load " RK_DB2SYS_FILE, "load " RK_DB2APP_FILE}},
    };
    for (const Route& route : routes) {
        RecordingLoader loader;
        if (route.sysExports != nullptr)
            loader.Provide(RK_DB2SYS_FILE, ExportsNamed(*route.sysExports));
        if (route.appExports != nullptr)
            loader.Provide(RK_DB2APP_FILE, ExportsNamed(*route.appExports));
        {
            CRkDb2SysLib sys(loader);
            EXPECT_EQ(route.loads, sys.Load()) << route.what;
            EXPECT_EQ(RK_DB2SYS_FILE, sys.FileName()) << route.what;
            Calls loads;
            for (const auto& call : loader.calls)
                if (call.rfind("load ", 0) == 0)
                    loads.push_back(call);
            EXPECT_EQ(route.loadCalls, loads) << route.what;
            if (route.loads) {
                EXPECT_NE(nullptr, sys.sqlogstt) << route.what;
            }
        }
        const bool held = route.loadCalls.size() == 1 ? route.sysExports != nullptr : route.appExports != nullptr;
        if (held) {
            EXPECT_EQ("release " + route.loadCalls.back().substr(5), loader.calls.back()) << route.what;
        }
    }
}

TEST(Db2LibLoad, ObjectNeverLoadedReleasesNothing)
{
    RecordingLoader loader;
    loader.Provide(RK_DB2APP_FILE, ExportsNamed(kApp.names));
    {
        CRkDb2AppLib app(loader);
        EXPECT_EQ(RK_DB2APP_FILE, app.FileName());
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
    EXPECT_EQ("Failed to load " RK_DB2APP_FILE, message);
    EXPECT_EQ(Calls{"load " RK_DB2APP_FILE}, loader.calls);
}

TEST(CatalogApiLoad, OnlyDb2SysMissingNamesDb2Sys)
{
    RecordingLoader loader;
    loader.Provide(RK_DB2APP_FILE, ExportsNamed(RequiredOnly(kApp)));
    std::string message;
    CRkCatalogApi api(loader);
    EXPECT_FALSE(api.LoadLibraries(message));
    EXPECT_EQ("Failed to load " RK_DB2SYS_FILE, message);
}

TEST(CatalogApiLoad, SuccessLeavesTheMessageAndReleasesDb2SysFirst)
{
    RecordingLoader loader;
    loader.Provide(RK_DB2APP_FILE, ExportsNamed(RequiredOnly(kApp)));
    loader.Provide(RK_DB2SYS_FILE, ExportsNamed(kSys.names));
    std::string message = "untouched";
    {
        CRkCatalogApi api(loader);
        EXPECT_TRUE(api.LoadLibraries(message));
    }
    EXPECT_EQ("untouched", message);
    ASSERT_GE(loader.calls.size(), 2u);
    EXPECT_EQ((Calls{"release " RK_DB2SYS_FILE, "release " RK_DB2APP_FILE}),
              Calls(loader.calls.end() - 2, loader.calls.end()));
}

} // namespace
