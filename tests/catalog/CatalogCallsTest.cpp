// Cataloguing and uncataloguing in-process, against DB2 entry points that
// record what they are given: the two node records byte for byte, the
// database entry's arguments, the step order and the stop at a failed step.

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingLoader.h"
#include "catalog/CatalogOperations.h"
#include "db2/Db2Api.h"

using namespace rk::db2;
using Bytes = std::vector<unsigned char>;
using Calls = std::vector<std::string>;

namespace {

// What the fake entry points were given, and the sqlcode each one reports.
struct Db2Calls {
    Calls order;
    Bytes node;
    Bytes protocol;
    std::vector<std::string> texts;   // sqlecadb_api's database name, alias and node name; the uncatalog names
    unsigned char entryType = 0;
    unsigned short authentication = 0;
    bool nullPathCommentPrincipal = false;
    std::map<std::string, std::int32_t> sqlcodes;
} g_db2;

int Report(const char* name, Sqlca* ca)
{
    g_db2.order.push_back(name);
    SetSqlcode(*ca, g_db2.sqlcodes[name]);
    return 0;
}

int RK_DB2_CALL FakeSqlectnd(unsigned char* node, unsigned char* protocol, Sqlca* ca)
{
    g_db2.node.assign(node, node + nodestruct::kSize);
    g_db2.protocol.assign(protocol, protocol + tcpip::kSize);
    return Report("sqlectnd_api", ca);
}

int RK_DB2_CALL FakeSqlecadb(char* name, char* alias, unsigned char type, char* node, char* path, char* comment,
                             unsigned short authentication, char* principal, Sqlca* ca)
{
    g_db2.texts = {name, alias, node};
    g_db2.entryType = type;
    g_db2.authentication = authentication;
    g_db2.nullPathCommentPrincipal = path == nullptr && comment == nullptr && principal == nullptr;
    return Report("sqlecadb_api", ca);
}

int RK_DB2_CALL FakeSqleuncd(char* alias, Sqlca* ca)
{
    g_db2.texts.push_back(alias);
    return Report("sqleuncd_api", ca);
}

int RK_DB2_CALL FakeSqleuncn(char* node, Sqlca* ca)
{
    g_db2.texts.push_back(node);
    return Report("sqleuncn_api", ca);
}

// No message texts: the error text is then "SQLCODE = n" and the rest.
int RK_DB2_CALL NoMessage(char*, short, short, const char*, Sqlca*) { return kMsgFileError; }
int RK_DB2_CALL NoStateText(char*, short, short, char*) { return kMsgFileError; }
int RK_DB2_CALL NeverCalled() { return 0; }

class CatalogCalls : public testing::Test {
protected:
    rk::test::RecordingLoader loader;
    std::string message = "earlier text";

    void SetUp() override
    {
        g_db2 = Db2Calls{};
        rk::test::RecordingLoader::Exports app;
        for (const char* name : {"sqlenops_api@12", "sqlengne_api@12", "sqlencls_api@8", "sqledcls_api",
                                 "sqledgne_api", "sqledosd_api"})
            app[name] = rk::test::Entry(&NeverCalled);
        app["sqlectnd_api"] = rk::test::Entry(&FakeSqlectnd);
        app["sqlecadb_api"] = rk::test::Entry(&FakeSqlecadb);
        app["sqleuncd_api"] = rk::test::Entry(&FakeSqleuncd);
        app["sqleuncn_api"] = rk::test::Entry(&FakeSqleuncn);
        loader.Provide("db2app.dll", app);
        loader.Provide("db2sys.dll", {{"sqlaintp_api@20", rk::test::Entry(&NoMessage)},
                                      {"sqlogstt", rk::test::Entry(&NoStateText)}});
    }

    bool Catalog(const char* host, const char* database)
    {
        return rk::catalog::CatalogDatabase(host, database, message, loader);
    }
    bool Uncatalog(const char* alias, const char* node)
    {
        return rk::catalog::UncatalogDatabase(alias, node, message, loader);
    }
    bool LibrariesReleased() const
    {
        return loader.calls.size() >= 2 && loader.calls.back() == "release db2app.dll" &&
               loader.calls[loader.calls.size() - 2] == "release db2sys.dll";
    }
};

Bytes RecordWith(std::size_t size, std::vector<std::pair<std::size_t, std::string>> texts)
{
    Bytes record(size, 0);
    for (const auto& [offset, text] : texts)
        std::memcpy(record.data() + offset, text.data(), text.size());
    return record;
}

TEST_F(CatalogCalls, NodeRecordsAndDatabaseEntryAreDb2sToTheByte)
{
    ASSERT_TRUE(Catalog("warehouse7", "SALES")) << message;
    EXPECT_EQ("", message);
    EXPECT_EQ((Calls{"sqlectnd_api", "sqlecadb_api"}), g_db2.order);
    // struct id 0x0200 little-endian, code page 0, empty comment, node name, TCP/IP, filler.
    EXPECT_EQ(RecordWith(46, {{0, std::string("\x00\x02", 2)}, {35, "warehous"}, {44, "\x03"}}), g_db2.node);
    EXPECT_EQ(RecordWith(271, {{0, "warehouse7"}, {256, "50000"}}), g_db2.protocol);
    EXPECT_EQ((std::vector<std::string>{"SALES", "SALES", "warehous"}), g_db2.texts);
    EXPECT_EQ('1', g_db2.entryType);
    EXPECT_EQ(255, g_db2.authentication);
    EXPECT_TRUE(g_db2.nullPathCommentPrincipal);
    EXPECT_TRUE(LibrariesReleased());
}

TEST_F(CatalogCalls, NodeIsNamedAfterTheFirstEightCharactersOfTheHost)
{
    const std::string longest(255, 'h');
    const struct {
        std::string host;
        std::string node;
    } cases[] = {{"db2", "db2"}, {"abcdefgh", "abcdefgh"}, {"db2.example.com", "db2.exam"},
                 {"10.0.0.15", "10.0.0.1"}, {longest, "hhhhhhhh"}};
    for (const auto& c : cases) {
        g_db2.node.clear();
        ASSERT_TRUE(Catalog(c.host.c_str(), "DB")) << c.host;
        EXPECT_EQ(RecordWith(9, {{0, c.node}}), Bytes(g_db2.node.begin() + 35, g_db2.node.begin() + 44)) << c.host;
        EXPECT_EQ(RecordWith(256, {{0, c.host}}), Bytes(g_db2.protocol.begin(), g_db2.protocol.begin() + 256));
        EXPECT_EQ(c.node, g_db2.texts[2]);
    }
}

TEST_F(CatalogCalls, RefusedArgumentsLoadNothing)
{
    const std::string tooLong(256, 'h');
    const struct {
        bool catalog;
        const char* first;
        const char* second;
        const char* wording;
    } cases[] = {{true, nullptr, "DB", "host name is a null pointer"},
                 {true, "host", nullptr, "database name is a null pointer"},
                 {true, tooLong.c_str(), "DB", "more than 255 characters"},
                 {false, nullptr, "NODE", "database alias is a null pointer"},
                 {false, "DB", nullptr, "node name is a null pointer"}};
    for (const auto& c : cases) {
        EXPECT_FALSE(c.catalog ? Catalog(c.first, c.second) : Uncatalog(c.first, c.second));
        EXPECT_NE(std::string::npos, message.find(c.wording)) << message;
    }
    EXPECT_EQ(Calls{}, loader.calls);
}

TEST_F(CatalogCalls, AFailedStepEndsTheOperationWithItsErrorText)
{
    const struct {
        bool catalog;
        const char* failing;
        std::int32_t sqlcode;
        Calls made;
    } cases[] = {
        {true, "sqlectnd_api", -1018, {"sqlectnd_api"}},
        {true, "sqlecadb_api", -1005, {"sqlectnd_api", "sqlecadb_api"}},
        {true, "sqlecadb_api", 1100, {"sqlectnd_api", "sqlecadb_api"}},   // a warning fails too
        {false, "sqleuncd_api", -1013, {"sqleuncd_api"}},
        {false, "sqleuncn_api", -1021, {"sqleuncd_api", "sqleuncn_api"}},
    };
    for (const auto& c : cases) {
        g_db2 = Db2Calls{};
        g_db2.sqlcodes[c.failing] = c.sqlcode;
        EXPECT_FALSE(c.catalog ? Catalog("host", "DB") : Uncatalog("DB", "host"));
        EXPECT_EQ(c.made, g_db2.order) << c.failing;
        EXPECT_EQ("SQLCODE = " + std::to_string(c.sqlcode) + "\r\nSQLSTATE = \"\"\r\n", message) << c.failing;
        EXPECT_TRUE(LibrariesReleased());
    }
}

TEST_F(CatalogCalls, UncatalogRemovesTheDatabaseThenTheWholeNodeName)
{
    ASSERT_TRUE(Uncatalog("SALES", "warehouse7")) << message;
    EXPECT_EQ("", message);
    EXPECT_EQ((Calls{"sqleuncd_api", "sqleuncn_api"}), g_db2.order);
    EXPECT_EQ((std::vector<std::string>{"SALES", "warehouse7"}), g_db2.texts);
}

} // namespace
