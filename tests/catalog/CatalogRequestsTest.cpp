// The catalogue exports of version 0.2 against the stand-in: what they refuse
// before any DB2 call, the node listing's array contract, the database
// record, and DB2's warning for an alternate server on a client instance.

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CallLog.h"
#include "HostLibrary.h"
#include "SimStore.h"
#include "TestEnv.h"

namespace {

class CatalogRequests : public testing::Test {
protected:
    rk::test::SimStore store; // before the library: the stand-in reads its home from the start
    rk::host::HostLibrary library;
    char message[1024];

    void SetUp() override { ASSERT_TRUE(library.IsLoaded()); }

    static RkNodeRecord Node()
    {
        RkNodeRecord node{};
        node.size = sizeof node;
        node.protocol = RKDB2_PROTOCOL_TCPIP;
        std::strcpy(node.nodeName, "N1");
        std::strcpy(node.hostName, "db2.example.com");
        std::strcpy(node.serviceName, "50000");
        return node;
    }
    static RkDatabaseRecord Database()
    {
        RkDatabaseRecord database{};
        database.size = sizeof database;
        database.authentication = RKDB2_AUTHENTICATION_SERVER;
        std::strcpy(database.databaseName, "SALES");
        std::strcpy(database.nodeName, "N1");
        return database;
    }
};

// Each request with one field its limit or its meaning refuses: 0, the text
// names the field, and DB2 is not called.
TEST_F(CatalogRequests, RefusedFieldsAreNamedAndNoDb2CallIsMade)
{
    using Request = std::function<int(char*, int)>;
    const auto node = [this](std::function<void(RkNodeRecord&)> edit) {
        return Request([this, edit](char* text, int size) {
            RkNodeRecord record = Node();
            edit(record);
            return library.RkCatalogNode(&record, text, size);
        });
    };
    const auto database = [this](std::function<void(RkDatabaseRecord&)> edit) {
        return Request([this, edit](char* text, int size) {
            RkDatabaseRecord record = Database();
            edit(record);
            return library.RkCatalogDatabaseAtNode(&record, text, size);
        });
    };
    const struct {
        Request request;
        const char* field;
    } cases[] = {
        {node([](RkNodeRecord& r) { r.size = 100; }), "RkNodeRecord's size is 100"},
        {node([](RkNodeRecord& r) { std::memset(r.hostName, 'h', sizeof r.hostName); }), "hostName"},
        {node([](RkNodeRecord& r) { r.nodeName[0] = '\0'; }), "nodeName"},
        {node([](RkNodeRecord& r) { std::memset(r.comment, 'c', sizeof r.comment); }), "comment"},
        {node([](RkNodeRecord& r) { r.protocol = 8; }), "protocol"},
        {node([](RkNodeRecord& r) { r.security = 1; }), "security"},
        {node([](RkNodeRecord& r) { std::strcpy(r.remoteInstance, "DB2INST1"); }), "remoteInstance"},
        {node([](RkNodeRecord& r) { r.osType = 18; }), "osType"},
        {database([](RkDatabaseRecord& r) { std::memset(r.principal, 'p', sizeof r.principal); }), "principal"},
        {database([](RkDatabaseRecord& r) { r.databaseName[0] = '\0'; }), "databaseName"},
        {database([](RkDatabaseRecord& r) { std::strcpy(r.altHostName, "alt"); }), "RkSetAlternateServer"},
        {database([](RkDatabaseRecord& r) { r.entryType = '0'; }), "entryType"},
        {[this](char* text, int size) { return library.RkSetAlternateServer("SALES", "alt", nullptr, text, size); },
         "hostName and portNumber go together"},
        {[this](char* text, int size) { return library.RkUncatalogNode("NINECHARS", text, size); }, "nodeName"},
        {[this](char* text, int size) { return library.RkUncatalogDatabase(nullptr, text, size); }, "alias"},
        {[this](char* text, int size) { return library.RkListNodes(nullptr, 1, nullptr, text, size); }, "count"},
    };
    const rk::test::CallLog log("sqlectnd_api,sqlecadb_api,sqleuncn_api,sqleuncd_api,db2UpdateAlternateServerForDB@12");
    for (const auto& c : cases) {
        std::memset(message, '#', sizeof message);
        EXPECT_EQ(0, c.request(message, sizeof message)) << c.field;
        EXPECT_NE(nullptr, std::strstr(message, c.field)) << message;
    }
    for (const auto& line : log.Lines())
        EXPECT_EQ(std::string::npos, line.find("_api")) << "no DB2 call: " << line;
    EXPECT_EQ(0, library.RkCatalogNode(nullptr, nullptr, 10)) << "no message buffer: nothing done";
}

TEST_F(CatalogRequests, NodesFillTheArrayUpToItsCapacityAndCountThemAll)
{
    store.WriteNodes({{"N1", "h1", "1"}, {"N2", "h2", "2", "", "INST2", 8, 10, 2, "two", "SYS2"}, {"N3", "h3", "3"}});
    int count = -1;
    ASSERT_EQ(1, library.RkListNodes(nullptr, 0, &count, message, sizeof message)) << message;
    EXPECT_EQ(3, count);
    EXPECT_STREQ("", message);

    // Records wider than this version's: the stride is the first one's size,
    // and the bytes behind each record's fields are not written.
    struct Wide {
        RkNodeRecord record;
        char tail[8];
    } wide[2];
    std::memset(wide, '#', sizeof wide);
    wide[0].record.size = sizeof(Wide);
    ASSERT_EQ(1, library.RkListNodes(&wide[0].record, 2, &count, message, sizeof message)) << message;
    EXPECT_EQ(3, count) << "more nodes than room: the count says how many";
    const RkNodeRecord& second = wide[1].record;
    EXPECT_EQ("N2|h2|2|10|2|two|INST2|SYS2|8",
              std::string(second.nodeName) + "|" + second.hostName + "|" + second.serviceName + "|" +
                  std::to_string(second.protocol) + "|" + std::to_string(second.security) + "|" + second.comment + "|" +
                  second.remoteInstance + "|" + second.systemName + "|" + std::to_string(second.osType));
    EXPECT_EQ(std::string(8, '#'), std::string(wide[0].tail, 8));
    EXPECT_EQ(std::string(8, '#'), std::string(wide[1].tail, 8));

    store.RemoveNodes();
    ASSERT_EQ(1, library.RkListNodes(nullptr, 0, &count, message, sizeof message)) << "a missing directory is empty";
    EXPECT_EQ(0, count);
}

TEST_F(CatalogRequests, DatabaseRecordsOfListedEntriesOnly)
{
    store.WriteNodes({{"N1", "h1", "1"}});
    store.WriteDatabases({{"KRB", "KRB", "N1", "", "", "9.07", "k", '1', 7, -1, "alt", "2", "db2/h1@R"}});
    RkDatabaseList* list = library.CRkDatabaseListNew();
    RkDatabaseEntry* entry = nullptr;
    ASSERT_EQ(1, library.CRkDatabaseListPopulate(list, &entry));
    RkDatabaseRecord record;
    std::memset(&record, '#', sizeof record);
    record.size = RKDB2_DATABASE_RECORD_SIZE - 1;
    EXPECT_EQ(0, library.RkGetDatabaseRecord(entry, &record)) << "a record of an earlier size";
    EXPECT_EQ('#', record.alias[0]);
    EXPECT_EQ(0, library.RkGetDatabaseRecord(reinterpret_cast<RkDatabaseEntry*>(&record), &record));
    record.size = sizeof record;
    ASSERT_EQ(1, library.RkGetDatabaseRecord(entry, &record));
    EXPECT_EQ("KRB|KRB|N1|7|db2/h1@R|k|alt|2|1",
              std::string(record.alias) + "|" + record.databaseName + "|" + record.nodeName + "|" +
                  std::to_string(record.authentication) + "|" + record.principal + "|" + record.comment + "|" +
                  record.altHostName + "|" + record.altPortNumber + "|" + record.entryType);
}

TEST_F(CatalogRequests, AlternateServersAreSetAndClearedButAClientInstanceIgnoresThem)
{
    store.WriteNodes({{"N1", "h1", "1"}});
    store.WriteDatabases({{"SALES", "SALES", "N1"}});
    ASSERT_EQ(1, library.RkSetAlternateServer("sales", "standby", "50001", message, sizeof message)) << message;
    ASSERT_EQ(1, library.RkSetAlternateServer("SALES", "", "", message, sizeof message)) << message;
    EXPECT_EQ(0, library.RkSetAlternateServer("NOSUCH", "standby", "1", message, sizeof message));
    EXPECT_EQ(0, std::strncmp(message, "SQL1013N", 8)) << message;
    const rk::test::ScopedEnv client("RKDB2_SIM_NODETYPE", "client");
    EXPECT_EQ(0, library.RkSetAlternateServer("SALES", "standby", "50001", message, sizeof message));
    EXPECT_EQ(0, std::strncmp(message, "SQL1889W", 8)) << message;
}

} // namespace
