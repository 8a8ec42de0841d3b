// The text form of the stand-in's directory files, as people seed them by
// hand and as the store writes them.

#include <gtest/gtest.h>

#include "StoreFormat.h"

namespace {

using namespace rk::sim::store;

TEST(SimStoreFormat, ReadsEveryKeyOfBothKinds)
{
    const auto nodes = ParseNodes("[node DB2SRV1]\n"
                                  "host = db2.example.com\n"
                                  "service = 50000\n"
                                  "instance = DB2\n"
                                  "remote_instance = DB2INST1\n"
                                  "os_type = 18\n"
                                  "comment = Main server\n");
    ASSERT_EQ(1u, nodes.size());
    NodeEntry node;
    node.nodeName = "DB2SRV1";
    node.hostName = "db2.example.com";
    node.serviceName = "50000";
    node.instanceName = "DB2";
    node.remoteInstanceName = "DB2INST1";
    node.osType = 18;
    node.comment = "Main server";
    EXPECT_EQ(node, nodes[0]);

    const auto databases = ParseDatabases("[database SAMPLE]\n"
                                          "name = SAMPLE\npath = C:\ninternal_name = SQL00001\nnode =\n"
                                          "type = 9.07\ncomment = Sample database\nentry_type = 0\n"
                                          "authentication = 255\ncatalog_node_number = -1\n"
                                          "alt_host = backup.example.com\nalt_port = 50001\n");
    ASSERT_EQ(1u, databases.size());
    DatabaseEntry database;
    database.alias = "SAMPLE";
    database.databaseName = "SAMPLE";
    database.drivePath = "C:";
    database.internalName = "SQL00001";
    database.databaseType = "9.07";
    database.comment = "Sample database";
    database.entryType = '0';
    database.authentication = 255;
    database.catalogNodeNumber = -1;
    database.altHostName = "backup.example.com";
    database.altPortNumber = "50001";
    EXPECT_EQ(database, databases[0]);
}

TEST(SimStoreFormat, HandSeededFilesMayHaveCommentsBlanksAndMissingKeys)
{
    const auto nodes = ParseNodes("# comment\r\n"
                                  "\r\n"
                                  "  [ node  N1 ]  \r\n"
                                  "  os_type = 8   \r\n"   // keys in any order, blanks around
                                  "service = 50000   \r\n" // trailing blanks trimmed
                                  "host =  #lead\r\n"      // after \"= \" taken verbatim
                                  "   # an indented comment\n"
                                  "[node N2]\n");
    ASSERT_EQ(2u, nodes.size());
    EXPECT_EQ("N1", nodes[0].nodeName);
    EXPECT_EQ(8, nodes[0].osType);
    EXPECT_EQ("50000", nodes[0].serviceName);
    EXPECT_EQ(" #lead", nodes[0].hostName);
    EXPECT_EQ("", nodes[0].instanceName);
    EXPECT_EQ("N2", nodes[1].nodeName);
    EXPECT_EQ("", nodes[1].hostName);
    EXPECT_EQ(0, nodes[1].osType);

    const auto databases = ParseDatabases("[database A]\nentry_type = x\nauthentication =\n"
                                          "[database B]\n");
    ASSERT_EQ(2u, databases.size());
    EXPECT_EQ('x', databases[0].entryType);
    EXPECT_EQ(0, databases[0].authentication);
    EXPECT_EQ(0, databases[1].entryType);
    EXPECT_EQ(0, databases[1].catalogNodeNumber);
}

// Mended: stray lines, unknown keys and blocks of the other kind were
// skipped and "[database X" without its bracket listed a database X.
TEST(SimStoreFormat, DamagedFilesAreRefusedAtTheirFirstBadLine)
{
    const struct {
        const char* text;
        const char* error;
    } nodeFiles[] = {
        {"stray\n[node N1]\n", "line 1: text before the first [node] block"},
        {"[node N1]\nhost db2.example.com\n", "line 2: not a \"key = value\" line"},
        {"[node N1]\nhots = h\n", "line 2: unknown key \"hots\""},
        {"# c\n[node N1\n", "line 2: no closing bracket"},
        {"[node N1] x\n", "line 1: text after the closing bracket"},
        {"[node]\n", "line 1: [node] without a name"},
        {"[database D1]\n", "line 1: [database] blocks do not belong in this file"},
        {"[node N1]\nos_type = eight\n", "line 2: \"eight\" is not a number"},
        {"[node N1]\nos_type = 65536\n", "line 2: 65536 is out of range"},
    };
    for (const auto& file : nodeFiles) {
        try {
            ParseNodes(file.text);
            ADD_FAILURE() << "accepted: " << file.text;
        } catch (const CRkFormatError& error) {
            EXPECT_STREQ(file.error, error.what());
        }
    }
    EXPECT_THROW(ParseDatabases("[database X]\nentry_type = 12\n"), CRkFormatError);
}

TEST(SimStoreFormat, WrittenFilesReadBackUnchanged)
{
    NodeEntry full{"N#1", std::string(255, 'h'), "50000", "DB2", "INST", "comment # here", 65535, 10, 2, "SYS"};
    NodeEntry empty;
    empty.nodeName = "N2";
    const std::vector<NodeEntry> nodes{full, empty};
    EXPECT_EQ(nodes, ParseNodes(FormatNodes(nodes)));

    DatabaseEntry remote;
    remote.alias = "R1";
    remote.databaseName = "REMOTE";
    remote.nodeName = "N#1";
    remote.entryType = '1';
    remote.authentication = 255;
    remote.catalogNodeNumber = -1;
    remote.comment = " leading blank";
    remote.altHostName = "alt";
    remote.altPortNumber = "1";
    remote.principal = "db2/db2.example.com@EXAMPLE.COM";
    DatabaseEntry bare;
    bare.alias = "B";
    const std::vector<DatabaseEntry> databases{remote, bare};
    EXPECT_EQ(databases, ParseDatabases(FormatDatabases(databases)));
}

TEST(SimStoreFormat, LineBreaksInValuesCannotSplitTheFile)
{
    NodeEntry node;
    node.nodeName = "N1";
    node.comment = "two\nlines\r\n[node EVIL]";
    const auto read = ParseNodes(FormatNodes({node}));
    ASSERT_EQ(1u, read.size());
    EXPECT_EQ("two lines  [node EVIL]", read[0].comment);
}

} // namespace
