// Cataloguing in-process, against DB2 entry points that record what they
// are given: the two node records byte for byte and the database entry's
// arguments. (The failures of each step are tested end to end.)

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingLoader.h"
#include "boundary/CatalogShells.h"
#include "catalog/CatalogOperations.h"
#include "catalog/CatalogTexts.h"
#include "db2/Db2Api.h"
#include "db2/Db2Files.h"

using namespace rk::db2;
using Bytes = std::vector<unsigned char>;

namespace {

struct Given {
    Bytes node;
    Bytes protocol;
    std::vector<std::string> texts; // sqlecadb_api's database name, alias and node name
    unsigned char entryType = 0;
    unsigned short authentication = 0;
    bool nullPathCommentPrincipal = false;
} g_given;

int RK_DB2_CALL RecordNode(unsigned char* node, unsigned char* protocol, Sqlca*)
{
    g_given.node.assign(node, node + nodestruct::kSize);
    g_given.protocol.assign(protocol, protocol + tcpip::kSize);
    return 0;
}

int RK_DB2_CALL RecordDatabase(char* name, char* alias, unsigned char type, char* node, char* path, char* comment,
                               unsigned short authentication, char* principal, Sqlca*)
{
    g_given = {g_given.node, g_given.protocol, {name, alias, node},
               type,         authentication,   path == nullptr && comment == nullptr && principal == nullptr};
    return 0;
}

int RK_DB2_CALL NeverCalled() { return 0; }

Bytes RecordWith(std::size_t size, std::vector<std::pair<std::size_t, std::string>> texts)
{
    Bytes record(size, 0);
    for (const auto& [offset, text] : texts)
        std::memcpy(record.data() + offset, text.data(), text.size());
    return record;
}

// Both DB2 libraries, db2app.dll's node and database entries recording.
void ProvideClient(rk::test::RecordingLoader& loader)
{
    rk::test::RecordingLoader::Exports app;
    for (const char* name : {"sqlenops_api@12", "sqlengne_api@12", "sqlencls_api@8", "sqledcls_api", "sqledgne_api",
                             "sqledosd_api", "sqleuncn_api", "sqleuncd_api"})
        app[name] = rk::test::Entry(&NeverCalled);
    app["sqlectnd_api"] = rk::test::Entry(&RecordNode);
    app["sqlecadb_api"] = rk::test::Entry(&RecordDatabase);
    loader.Provide(RK_DB2APP_FILE, app);
    loader.Provide(RK_DB2SYS_FILE,
                   {{"sqlaintp_api@20", rk::test::Entry(&NeverCalled)}, {"sqlogstt", rk::test::Entry(&NeverCalled)}});
}

TEST(CatalogCalls, NodeRecordsAndDatabaseEntryAreDb2sToTheByte)
{
    rk::test::RecordingLoader loader;
    ProvideClient(loader);

    const std::string longest(255, 'h');
    const struct {
        std::string host;
        std::string node; // the first 8 characters, unchanged
    } cases[] = {{"warehouse7", "warehous"}, {"db2", "db2"}, {"db2.example.com", "db2.exam"}, {longest, "hhhhhhhh"}};
    for (const auto& c : cases) {
        g_given = Given{};
        std::string message = "earlier text";
        ASSERT_TRUE(rk::catalog::CatalogDatabase(c.host.c_str(), "SALES", message, loader)) << message;
        EXPECT_EQ("", message);
        // Structure id 0x0200 little-endian, code page 0, empty comment, node name, TCP/IP, a zero filler.
        EXPECT_EQ(RecordWith(46, {{0, std::string("\x00\x02", 2)}, {35, c.node}, {44, "\x03"}}), g_given.node);
        EXPECT_EQ(RecordWith(271, {{0, c.host}, {256, "50000"}}), g_given.protocol) << c.host;
        EXPECT_EQ((std::vector<std::string>{"SALES", "SALES", c.node}), g_given.texts);
        EXPECT_EQ('1', g_given.entryType);
        EXPECT_EQ(255, g_given.authentication);
        EXPECT_TRUE(g_given.nullPathCommentPrincipal);
    }
}

// An exception inside the library, at each load and lookup in turn: the
// host's buffer gets the operation's own text, cut to fit, and 0.
TEST(CatalogCalls, FailuresInsideTheLibraryWriteTheirOwnTextIntoAValidBuffer)
{
    using Shell = int (*)(const char*, const char*, char*, int, rk::platform::CRkLibraryLoader&);
    const struct {
        Shell shell;
        const char* text;
    } operations[] = {{rk::boundary::CatalogDatabaseShell, rk::catalog::kCatalogFailedInsideText},
                      {rk::boundary::UncatalogDatabaseShell, rk::catalog::kUncatalogFailedInsideText}};
    for (const auto& operation : operations) {
        std::size_t injected = 0;
        for (std::size_t call = 1;; ++call) {
            rk::test::RecordingLoader loader;
            ProvideClient(loader);
            loader.throwAtCall = call;
            char message[512];
            std::memset(message, '#', sizeof message);
            const int result = operation.shell("warehouse7", "SALES", message, sizeof message, loader);
            if (!loader.thrown) {
                EXPECT_EQ(1, result) << message;
                break;
            }
            ++injected;
            EXPECT_EQ(0, result) << "call " << call;
            EXPECT_STREQ(operation.text, message) << "call " << call;
        }
        EXPECT_GT(injected, 2u) << "both libraries' loads and lookups were swept";

        rk::test::RecordingLoader loader;
        ProvideClient(loader);
        loader.throwAtCall = 1;
        char small[12];
        std::memset(small, '#', sizeof small);
        EXPECT_EQ(0, operation.shell("warehouse7", "SALES", small, 8, loader));
        EXPECT_EQ(std::string(operation.text, 7) + '\0' + "####", std::string(small, sizeof small));
    }
}

} // namespace
