// rkdb2 export end to end: the script it writes for a catalogue is parsed
// here (a small reader of the statements it may contain, independent of the
// tool), replayed into a fresh store and listed again through the library:
// every exported entry comes back with all fifteen fields equal.

#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "HostLibrary.h"
#include "SimStore.h"
#include "TestPaths.h"

namespace {

using rk::test::StoreDatabase;
using rk::test::StoreNode;
using Record = std::string; // the fifteen fields of one database, joined

// The statement's words; a double-quoted string is one word without its quotes.
std::vector<std::string> Words(const std::string& statement)
{
    std::vector<std::string> words;
    for (std::size_t i = 0; i < statement.size();) {
        if (statement[i] == ' ') {
            ++i;
        } else if (statement[i] == '"') {
            const std::size_t end = statement.find('"', i + 1);
            words.push_back(statement.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            const std::size_t end = std::min(statement.find(' ', i), statement.size());
            words.push_back(statement.substr(i, end - i));
            i = end;
        }
    }
    return words;
}

// The value after `keyword`, or "" when the statement has none.
std::string After(const std::vector<std::string>& words, const std::string& keyword)
{
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i] == keyword)
            return words[i + 1];
    return std::string();
}

const std::map<std::string, int> kOsTypes = {{"AIX", 4},  {"WIN", 5},  {"HPUX", 6},   {"SUN", 7},    {"OS390", 8},
                                             {"SNI", 13}, {"SCO", 16}, {"LINUX", 18}, {"DYNIX", 19}, {"OS400", 400}};
const std::map<std::string, int> kAuthentications = {{"SERVER", 0},
                                                     {"CLIENT", 1},
                                                     {"DCS", 2},
                                                     {"DCE", 3},
                                                     {"SERVER_ENCRYPT", 4},
                                                     {"DCS_ENCRYPT", 5},
                                                     {"DCE_SERVER_ENCRYPT", 6},
                                                     {"KRB_SERVER_ENCRYPT", 8},
                                                     {"GSSPLUGIN", 9},
                                                     {"GSS_SERVER_ENCRYPT", 10},
                                                     {"KERBEROS", 7},
                                                     {"DATA_ENCRYPT", 11},
                                                     {"DATA_ENCRYPT_CMP", 12},
                                                     {"SERVER_ENCRYPT_AES", 13}};
const std::map<std::string, int> kProtocols = {{"TCPIP", 3}, {"TCPIP4", 9}, {"TCPIP6", 10}};

struct Replay {
    std::vector<StoreNode> nodes;
    std::vector<StoreDatabase> databases;
    std::string unknown; // statements this reader does not know
};

// Statements end with ';' at a line's end; "--" starts a comment line.
Replay ReadScript(const std::string& path)
{
    Replay replay;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.rfind("--", 0) == 0)
            continue;
        if (line.back() != ';') {
            replay.unknown += line + "\n";
            continue;
        }
        const auto words = Words(line.substr(0, line.size() - 1));
        const std::string start = words.size() >= 3 ? words[0] + " " + words[1] + " " + words[2] : line;
        if (words.size() >= 4 && words[0] == "CATALOG" && kProtocols.count(words[1]) != 0 && words[2] == "NODE") {
            StoreNode node;
            node.protocol = kProtocols.at(words[1]);
            node.name = words[3];
            node.host = After(words, "REMOTE");
            node.service = After(words, "SERVER");
            node.security = After(words, "SECURITY") == "SSL" ? 2 : 0;
            node.remoteInstance = After(words, "REMOTE_INSTANCE");
            node.system = After(words, "SYSTEM");
            node.comment = After(words, "WITH");
            const std::string osType = After(words, "OSTYPE");
            node.osType = osType.empty() ? 0 : kOsTypes.at(osType);
            replay.nodes.push_back(node);
        } else if (words.size() >= 2 && words[0] + " " + words[1] == "CATALOG DATABASE") {
            StoreDatabase database;
            database.name = words[2];
            database.alias = After(words, "AS");
            database.node = After(words, "NODE");
            database.comment = After(words, "WITH");
            database.principal = After(words, "PRINCIPAL");
            const std::string authentication = After(words, "AUTHENTICATION");
            database.authentication = authentication.empty() ? 255 : kAuthentications.at(authentication);
            replay.databases.push_back(database);
        } else if (start == "UPDATE ALTERNATE SERVER") {
            for (auto& database : replay.databases)
                if (database.alias == words[5]) {
                    database.altHost = After(words, "HOSTNAME");
                    database.altPort = After(words, "PORT");
                }
        } else {
            replay.unknown += line + "\n";
        }
    }
    return replay;
}

class ExportReplay : public testing::Test {
protected:
    rk::test::SimStore store; // before the library: the stand-in reads its home from the start
    rk::host::HostLibrary library;

    // Alias to record, of every database the library lists.
    std::map<std::string, Record> Listing()
    {
        std::map<std::string, Record> records;
        RkDatabaseList* list = library.CRkDatabaseListNew();
        RkDatabaseEntry* entry = nullptr;
        if (list == nullptr || library.CRkDatabaseListPopulate(list, &entry) != 1)
            return {{"", "listing failed"}};
        for (; entry != nullptr; entry = library.CRkDatabaseListNext(list)) {
            char record[RKDB2_DETAILS_SIZE] = {};
            library.GetDatabaseDetails(entry, record);
            Record text;
#define RKDB2_APPEND_FIELD(field, Field, offset, label) text += std::string(record + offset) + "|";
            RKDB2_DETAILS_FIELDS(RKDB2_APPEND_FIELD)
#undef RKDB2_APPEND_FIELD
            records[record + RKDB2_DETAILS_ALIAS_OFFSET] = text;
        }
        return records;
    }

    // rkdb2 export's script, read back; fails the test when rkdb2 fails.
    Replay Export(int expectedExit = 0)
    {
        const std::string path = rk::test::TemporaryPath("rkdb2-export");
        EXPECT_EQ(expectedExit, rk::test::RunRkdb2({"export", "--output", rk::os::PlatformPath(path)}));
        Replay replay = ReadScript(path);
        std::remove(path.c_str());
        return replay;
    }
};

TEST_F(ExportReplay, RemoteEntriesComeBackEqualAndTheOthersAreLeftOut)
{
    store.WriteNodes({
        {"DB2LNX", "db2lnx.example.com", "50000", "", "DB2INST1", 18},
        {"DB2AIX", "10.1.2.3", "db2c_prod", "", "PRODINST", 4},
        {"DB2ZOS", "zos.example.com", "446", "", "", 8},
        {"NOTYPE", "plain.example.com", "50002", "", "", 0},
        {"OTHER", "other.example.com", "50003", "", "INST2", 29}, // Linux/X8664: no OSTYPE keyword
        {"DB2SSL", "ssl.example.com", "50443", "", "", 18, 10, 2, "TLS node", "SSLSYS"},
    });
    store.WriteDatabases({
        {"SALES", "SALES", "DB2LNX", "", "", "9.07", "Sales, on Linux", '1', 0, 0, "standby.example.com", "50010"},
        {"HR", "HRPROD", "DB2AIX", "", "", "9.07", "", '1', 11, 0, "", ""},
        {"ZOSLOC", "DB2PLOC", "DB2ZOS", "", "", "9.07", "z/OS location", '1', 2, 0, "", ""},
        {"PLAIN", "PLAIN", "NOTYPE", "", "", "9.07", "", '1', 255, 0, "", ""},
        {"OTHERDB", "OTHERDB", "OTHER", "", "", "9.07", "", '1', 12, 0, "", ""},
        {"LOCALDB", "LOCALDB", "", "C:", "SQL00001", "9.07", "", '0', 0, 0, "", ""},
        {"ORPHAN", "ORPHAN", "NOSUCH", "", "", "9.07", "", '1', 0, 0, "", ""},
        {"KRB", "KRB", "DB2SSL", "", "", "9.07", "", '1', 7, 0, "", "", "db2/ssl.example.com@EXAMPLE.COM"},
        {"AES", "AES", "DB2SSL", "", "", "9.07", "", '1', 13, 0, "", ""},
    });
    const auto original = Listing();
    ASSERT_EQ(9u, original.size()) << original.begin()->second;

    const Replay replay = Export();
    EXPECT_EQ("", replay.unknown);
    ASSERT_EQ(6u, replay.nodes.size()) << "each node once, also when two databases are catalogued at it";
    const StoreNode& ssl = replay.nodes[5];
    EXPECT_EQ("DB2SSL|10|2|TLS node|SSLSYS", ssl.name + "|" + std::to_string(ssl.protocol) + "|" +
                                                 std::to_string(ssl.security) + "|" + ssl.comment + "|" + ssl.system);
    EXPECT_EQ("db2/ssl.example.com@EXAMPLE.COM", replay.databases.at(5).principal);
    store.WriteNodes(replay.nodes);
    store.WriteDatabases(replay.databases);
    auto replayed = Listing();
    auto expected = original;
    // A platform without an OSTYPE keyword comes back unknown (the script says so in a comment).
    const std::string x8664 = "|Linux/X8664|";
    std::string& other = expected.at("OTHERDB");
    other.replace(other.find(x8664), x8664.size(), "|UNKNOWN|");

    for (const char* alias : {"LOCALDB", "ORPHAN"}) {
        EXPECT_EQ(0u, replayed.count(alias)) << alias << " is left out";
        replayed[alias] = original.at(alias);
    }
    EXPECT_EQ(expected, replayed);
}

TEST_F(ExportReplay, AnEntryTheCommandLineCannotReadIsRefusedAndNothingIsWritten)
{
    store.WriteNodes({{"DB2LNX", "db2lnx.example.com", "50000", "", "", 18}});
    store.WriteDatabases({{"SALES", "SALES", "DB2LNX", "", "", "9.07", "The \"big\" one", '1', 0, 0, "", ""}});
    const Replay replay = Export(1);
    EXPECT_TRUE(replay.nodes.empty() && replay.databases.empty());
}

} // namespace
