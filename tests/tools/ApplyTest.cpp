// rkdb2 apply end to end: a catalogue exported as JSON from one store and
// applied to an empty one, compared through the library; a second apply;
// a step that fails (its node undone, the entries before kept); and input that is refused before anything is written.

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "HostLibrary.h"
#include "SimStore.h"
#include "TestEnv.h"
#include "TestPaths.h"
#include "os/Environment.h"
#include "os/Files.h"

namespace {

using rk::test::StoreDatabase;
using rk::test::StoreNode;

class Apply : public testing::Test {
protected:
    rk::test::SimStore source; // before the library: the stand-in reads its home at every call
    rk::host::HostLibrary library;
    const std::string file = rk::test::TemporaryPath("rkdb2-catalogue") + ".json";
    const std::string targetDir = rk::test::TemporaryPath("rkdb2-target");

    void TearDown() override
    {
        std::remove(file.c_str());
        for (const char* name : {"/nodes.txt", "/databases.txt", "/store.lock"})
            std::remove((targetDir + name).c_str());
        rk::os::RemoveEmptyDirectory(targetDir);
    }

    void WriteFile(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

    // The store the library and rkdb2 reach from now on.
    void UseTarget() { rk::os::SetEnv("RKDB2_SIM_HOME", targetDir); }

    int ApplyFile(std::vector<std::string> options, std::string& output)
    {
        options.insert(options.begin(), {"apply", rk::os::PlatformPath(file)});
        return rk::test::RunRkdb2(options, output);
    }

    // Every node and every database of the store the library reaches, all
    // their fields joined.
    std::map<std::string, std::string> Catalogue()
    {
        std::map<std::string, std::string> entries;
        char message[1024];
        int count = 0;
        std::vector<RkNodeRecord> nodes(64);
        nodes[0].size = sizeof(RkNodeRecord);
        EXPECT_EQ(1, library.RkListNodes(nodes.data(), 64, &count, message, sizeof message)) << message;
        for (int i = 0; i < count && i < 64; ++i) {
            const RkNodeRecord& n = nodes[static_cast<std::size_t>(i)];
            entries["node " + std::string(n.nodeName)] = std::string(n.hostName) + "|" + n.serviceName + "|" +
                                                         std::to_string(n.protocol) + "|" + std::to_string(n.security) +
                                                         "|" + n.comment;
        }
        RkDatabaseList* list = library.CRkDatabaseListNew();
        RkDatabaseEntry* entry = nullptr;
        EXPECT_EQ(1, list != nullptr ? library.CRkDatabaseListPopulate(list, &entry) : 0);
        for (; entry != nullptr; entry = library.CRkDatabaseListNext(list)) {
            RkDatabaseRecord d{};
            d.size = sizeof d;
            EXPECT_EQ(1, library.RkGetDatabaseRecord(entry, &d));
            entries["database " + std::string(d.alias)] =
                std::string(d.databaseName) + "|" + d.nodeName + "|" + std::to_string(d.authentication) + "|" +
                d.principal + "|" + d.comment + "|" + d.altHostName + "|" + d.altPortNumber + "|" + d.entryType;
        }
        return entries;
    }
};

TEST_F(Apply, ACatalogueCarriedToAnEmptyStoreListsEqualAndASecondApplyWritesNothing)
{
    source.WriteNodes({
        {"DB2LNX", "db2lnx.example.com", "50000", "", "DB2INST1", 18},
        {"DB2SSL", "ssl.example.com", "50443", "", "", 18, 3, 2, "TLS node"},
        {"DB2V6", "v6.example.com", "50001", "", "", 18, 10, 0},
        {"DB2V4", "10.1.2.3", "db2c_prod", "", "", 4, 9, 2, "", "SYS1"},
        {"SPARE", "spare.example.com", "50002", "", "", 0},
    });
    std::vector<StoreDatabase> databases;
    for (const int authentication : {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 255}) {
        const std::string alias = "A" + std::to_string(authentication);
        databases.push_back({alias, "DB" + std::to_string(authentication), "DB2LNX", "", "", "9.07", "", '1',
                             authentication, -1, "", ""});
    }
    databases.push_back(
        {"KRB", "KRB", "DB2SSL", "", "", "9.07", "Kerberos", '1', 7, -1, "", "", "db2/ssl.example.com@EXAMPLE.COM"});
    databases.push_back({"WHSE", "WHSE", "DB2V6", "", "", "9.07", "", '1', 255, -1, "standby.example.com", "50010"});
    databases.push_back({"LOCALDB", "LOCALDB", "", "C:", "SQL00001", "9.07", "", '0', 0, 0, "", ""});
    source.WriteDatabases(databases);
    const auto original = Catalogue();
    ASSERT_EQ(5u + 19u, original.size());
    ASSERT_EQ(0, rk::test::RunRkdb2({"export", "--format", "json", "--output", rk::os::PlatformPath(file)}));

    UseTarget();
    std::string output;
    ASSERT_EQ(0, ApplyFile({"--dry-run"}, output)) << output;
    EXPECT_NE(std::string::npos, output.find("Dry run: nothing was written.")) << output;
    EXPECT_FALSE(rk::os::FileExists(targetDir + "/nodes.txt")) << "a dry run writes nothing";

    ASSERT_EQ(0, ApplyFile({}, output)) << output;
    auto applied = Catalogue();
    auto expected = original;
    expected.erase("database LOCALDB");
    EXPECT_EQ(expected, applied) << output;
    EXPECT_NE(std::string::npos, output.find("node DB2LNX: REMOTE_INSTANCE DB2INST1")) << output;

    const rk::test::SimStore target(targetDir);
    const std::string bytes = target.Bytes();
    ASSERT_EQ(0, ApplyFile({"--json"}, output)) << output;
    EXPECT_NE(std::string::npos, output.find("\"steps\": []")) << output;
    EXPECT_EQ(bytes, target.Bytes()) << "a second apply writes nothing";
}

TEST_F(Apply, AFailedDatabaseStepUndoesItsNodeAndKeepsTheEntriesBefore)
{
    WriteFile(R"({"nodes": [{"name": "N1", "host": "h1", "service": "1"}, {"name": "N2", "host": "h2", "service": "2"}],
 "databases": [{"database": "D1", "node": "N1"}, {"database": "D2", "node": "N2"}, {"database": "D3", "node": "N1"}]})");
    UseTarget();
    // Nodes go first, each with its databases: N1, D1, D3, then N2 with D2.
    const rk::test::ScopedEnv faults("RKDB2_SIM_FAULTS", "sqlecadb_api#3=-1039");
    std::string output;
    EXPECT_EQ(1, ApplyFile({}, output));
    EXPECT_NE(std::string::npos, output.find("FAILED: add database D2")) << output;
    EXPECT_NE(std::string::npos, output.find("undone: catalog node N2")) << output;
    const std::map<std::string, std::string> expected = {
        {"node N1", "h1|1|3|0|"}, {"database D1", "D1|N1|255|||||1"}, {"database D3", "D3|N1|255|||||1"}};
    EXPECT_EQ(expected, Catalogue());
}

TEST_F(Apply, InputDb2WouldRefuseIsRefusedWithItsPathBeforeAnythingIsWritten)
{
    const std::string node = R"({"name": "N1", "host": "h1", "service": "1"})";
    const std::string nodes = R"({"nodes": [)" + node + R"(], "databases": )";
    const struct {
        std::string document;
        std::string message;
    } cases[] = {
        {"{\"nodes\": [,]}", "line 1, column 12: not JSON"},
        {"{\"nodes\": [1E400]}", "(document): not JSON: number overflow"},
        {"[]", "(document): is not an object"},
        {R"({"databases": []})", "nodes: is missing"},
        {R"({"nodes": {}, "databases": []})", "nodes: is not an array"},
        {R"({"nodes": [7], "databases": []})", "nodes[0]: is not an object"},
        {R"({"nodes": [{"name": "N1", "host": 7, "service": "1"}], "databases": []})", "nodes[0].host: is not a text"},
        {R"({"nodes": [{"name": "1N", "host": "h", "service": "1"}], "databases": []})",
         "nodes[0].name: \"1N\" is not a DB2 node name"},
        {R"({"nodes": [{"name": "N1", "host": ")" + std::string(256, 'h') + R"(", "service": "1"}], "databases": []})",
         "nodes[0].host: has 256 characters, more than the 255 DB2 takes"},
        {R"({"nodes": [{"name": "N1", "host": "h", "service": "123456789012345"}], "databases": []})",
         "nodes[0].service: has 15 characters"},
        {R"({"nodes": [{"name": "N1", "host": "h", "service": "1", "security": "TLS"}], "databases": []})",
         "nodes[0].security: is \"TLS\", not one of NONE, SSL"},
        {R"({"nodes": [{"name": "N1", "host": "h", "service": "1", "hots": "h"}], "databases": []})",
         "nodes[0].hots: is not a field of this entry"},
        {R"({"nodes": [)" + node + "," + node + R"(], "databases": []})", "nodes[1].name: \"N1\" is listed already"},
        {nodes + R"([{"database": "D1", "node": "N9"}]})", "databases[0].node: the node \"N9\" is neither"},
        {nodes + R"([{"database": "TOOLONGNAME", "node": "N1"}]})", "databases[0].database: has 11 characters"},
        {nodes + R"([{"database": "D1", "node": "N1", "comment": ")" + std::string(31, 'c') + R"("}]})",
         "databases[0].comment: has 31 characters, more than the 30"},
        {nodes + R"([{"database": "D1", "node": "N1", "principal": "p@R"}]})",
         "databases[0].principal: is only for KERBEROS"},
        {nodes + R"([{"database": "D1", "node": "N1", "altHostName": "alt"}]})",
         "databases[0].altPortNumber: is missing"},
        {nodes + R"([{"database": "D1", "node": "N1", "authentication": "PLAIN"}]})",
         "databases[0].authentication: is \"PLAIN\""},
        {nodes + R"([{"database": "D1", "node": "N1", "comment": "caf\u0100"}]})",
         "databases[0].comment: holds a character above U+00FF"},
    };
    UseTarget();
    for (const auto& c : cases) {
        WriteFile(c.document);
        std::string output;
        EXPECT_EQ(2, ApplyFile({}, output)) << c.document;
        EXPECT_NE(std::string::npos, output.find(c.message)) << c.document << "\n" << output;
    }
    EXPECT_FALSE(rk::os::FileExists(targetDir + "/nodes.txt")) << "nothing was written";
}

} // namespace
