// The catalog entry points of the stand-in's db2app.dll: sqlectnd_api,
// sqlecadb_api, sqleuncd_api and sqleuncn_api over the store.

#include <cstring>
#include <filesystem>
#include <functional>

#include "SimScanFixture.h"

namespace {

using namespace rk::db2;
using rk::test::FieldBytes;
using rk::test::Tokens;

class SimCatalog : public rk::test::SimApp {
protected:
    unsigned char node[nodestruct::kSize] = {};
    unsigned char tcpip[tcpip::kSize] = {};

    // The two records as a caller fills them for a TCP/IP node.
    void FillNode(const std::string& name, const std::string& host, const std::string& service)
    {
        std::memset(node, 0, sizeof node);
        std::memset(tcpip, 0, sizeof tcpip);
        rk::bytes::WriteU16(node, nodestruct::kStructIdOffset, nodestruct::kStructId);
        std::memcpy(node + nodestruct::kNodeName.offset, name.data(),
                    std::min(name.size(), nodestruct::kNodeName.width));
        node[nodestruct::kProtocolOffset] = nodestruct::kProtocolTcpip;
        std::memcpy(tcpip + tcpip::kHostName.offset, host.data(), std::min(host.size(), tcpip::kHostName.width));
        std::memcpy(tcpip + tcpip::kServiceName.offset, service.data(),
                    std::min(service.size(), tcpip::kServiceName.width));
    }

    std::int32_t CatalogNode(const std::string& name, const std::string& host, const std::string& service)
    {
        FillNode(name, host, service);
        sqlectnd_api(node, tcpip, &ca);
        return Code();
    }

    std::int32_t CatalogRemote(const char* name, const char* alias, const char* nodeName)
    {
        sqlecadb_api(const_cast<char*>(name), const_cast<char*>(alias), kEntryTypeRemote, const_cast<char*>(nodeName),
                     nullptr, nullptr, kAuthenticationNotSpecified, nullptr, &ca);
        return Code();
    }

    std::int32_t Uncatalog(const char* alias)
    {
        sqleuncd_api(const_cast<char*>(alias), &ca);
        return Code();
    }

    std::int32_t UncatalogNode(const char* name)
    {
        sqleuncn_api(const_cast<char*>(name), &ca);
        return Code();
    }
};

TEST_F(SimCatalog, CataloguedNodeIsScannedBack)
{
    ASSERT_EQ(0, CatalogNode("warehous", "warehouse7.example.com", "50000"));
    EXPECT_EQ("00000", rk::test::Sqlstate(ca));
    const auto records = NodeRecords();
    ASSERT_EQ(1u, records.size());
    const auto* record = reinterpret_cast<const unsigned char*>(records[0].data());
    EXPECT_EQ("warehous", FieldBytes(record, nodeinfo::kNodeName)) << "names are kept as given";
    EXPECT_EQ(rk::test::Padded("warehouse7.example.com", 255), FieldBytes(record, nodeinfo::kHostName));
    EXPECT_EQ(rk::test::Padded("50000", 14), FieldBytes(record, nodeinfo::kServiceName));
}

TEST_F(SimCatalog, NodeRecordsAreCheckedAtTheirLimits)
{
    EXPECT_EQ(0, CatalogNode("H255", std::string(255, 'h'), "12345678901234"));
    EXPECT_EQ(kSqlNodeExists, CatalogNode("h255", "other", "1"));
    EXPECT_EQ("h255", Tokens(ca));
    EXPECT_EQ(kSqlInvalidHostName, CatalogNode("H256", std::string(256, 'h'), "1")) << "no room for the NUL";
    EXPECT_EQ(kSqlInvalidHostName, CatalogNode("NOHOST", "", "1"));
    EXPECT_EQ(kSqlInvalidServiceName, CatalogNode("S15", "host", "123456789012345"));
    EXPECT_EQ(kSqlInvalidServiceName, CatalogNode("NOSVC", "host", ""));
    EXPECT_EQ(kSqlInvalidNodeName, CatalogNode("NINECHARS", "host", "1"));
    EXPECT_EQ(kSqlInvalidNodeName, CatalogNode("db2.exam", "host", "1"));
    EXPECT_EQ("db2.exam", Tokens(ca));
    EXPECT_EQ(kSqlInvalidNodeName, CatalogNode("1host", "1host", "1")) << "no leading digit";
    EXPECT_EQ(kSqlInvalidNodeName, CatalogNode("", "host", "1"));
    EXPECT_EQ(0, CatalogNode("A@#$z09", "host", "1"));

    FillNode("OTHER", "host", "1");
    node[nodestruct::kProtocolOffset] = 1;
    sqlectnd_api(node, tcpip, &ca);
    EXPECT_EQ(kSqlInvalidProtocol, Code()) << "only TCP/IP nodes";
    FillNode("OTHER", "host", "1");
    rk::bytes::WriteU16(node, nodestruct::kStructIdOffset, 0x0100);
    sqlectnd_api(node, tcpip, &ca);
    EXPECT_EQ(-2032, Code());
    FillNode("OTHER", "host", "1");
    std::memset(node + nodestruct::kComment.offset, 'c', nodestruct::kComment.width);
    sqlectnd_api(node, tcpip, &ca);
    EXPECT_EQ(-2032, Code()) << "a comment without its NUL";
    EXPECT_EQ(2u, NodeRecords().size()) << "only the two valid nodes were written";

    // An SSL protocol is listed as its TCP/IP protocol with the security type SSL.
    FillNode("SSL6", "host", "1");
    node[nodestruct::kProtocolOffset] = protocol::kSsl6;
    sqlectnd_api(node, tcpip, &ca);
    ASSERT_EQ(0, Code());
    const auto records = NodeRecords();
    ASSERT_EQ(3u, records.size());
    const auto* ssl = reinterpret_cast<const unsigned char*>(records[2].data());
    EXPECT_EQ(protocol::kTcpip6, ssl[nodeinfo::kProtocol.offset]);
    EXPECT_EQ(security::kSsl, rk::bytes::ReadU16(ssl, nodeinfo::kSecurityTypeOffset));
}

TEST_F(SimCatalog, RemoteDatabaseIsCataloguedEvenAtAnUnknownNode)
{
    ASSERT_EQ(0, CatalogNode("NODE1", "host", "50000"));
    EXPECT_EQ(0, CatalogRemote("SALES", "SALES", "NODE1"));
    EXPECT_EQ(kSqlNodeNotCatalogued, CatalogRemote("HR", "HRALIAS", "NONODE"));
    EXPECT_EQ("NONODE", Tokens(ca));
    EXPECT_EQ(kSqlAliasExists, CatalogRemote("OTHER", "sales", "NODE1"));
    EXPECT_EQ("sales", Tokens(ca));

    const auto records = BasicDatabaseRecords();
    ASSERT_EQ(2u, records.size());
    const auto* sales = reinterpret_cast<const unsigned char*>(records[0].data());
    EXPECT_EQ("SALES   ", FieldBytes(sales, dbinfo::kAlias));
    EXPECT_EQ("NODE1   ", FieldBytes(sales, dbinfo::kNodeName));
    EXPECT_EQ(kEntryTypeRemote, sales[dbinfo::kEntryTypeOffset]);
    EXPECT_EQ(kAuthenticationNotSpecified, rk::bytes::ReadU16(sales, dbinfo::kAuthenticationOffset));
    EXPECT_EQ(-1, rk::bytes::ReadI16(sales, dbinfo::kCatalogNodeNumberOffset));
    const auto* hr = reinterpret_cast<const unsigned char*>(records[1].data());
    EXPECT_EQ("HRALIAS ", FieldBytes(hr, dbinfo::kAlias));
    EXPECT_EQ("HR      ", FieldBytes(hr, dbinfo::kDatabaseName));
}

TEST_F(SimCatalog, DatabaseNamesAreChecked)
{
    EXPECT_EQ(kSqlInvalidDatabaseName, CatalogRemote("NINECHARS", "A", "N"));
    EXPECT_EQ("NINECHARS", Tokens(ca));
    EXPECT_EQ(kSqlInvalidDatabaseName, CatalogRemote("", "A", "N"));
    EXPECT_EQ(kSqlInvalidAlias, CatalogRemote("DB", "BAD ALIAS", "N"));
    EXPECT_EQ(kSqlInvalidNodeName, CatalogRemote("DB", "DB", nullptr));
    EXPECT_FALSE(home.Exists("databases.txt")) << "nothing was written";

    EXPECT_EQ(kSqlNodeNotCatalogued, CatalogRemote("DB", nullptr, "N")) << "no alias: the name is the alias";
    char name[] = "LOCALDB";
    char path[] = "D:";
    sqlecadb_api(name, name, kEntryTypeIndirect, nullptr, path, nullptr, 0, nullptr, &ca);
    EXPECT_EQ(0, Code());
    const auto records = BasicDatabaseRecords();
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ("DB      ", FieldBytes(reinterpret_cast<const unsigned char*>(records[0].data()), dbinfo::kAlias));
    const auto* local = reinterpret_cast<const unsigned char*>(records[1].data());
    EXPECT_EQ(rk::test::Padded("D:", 12), FieldBytes(local, dbinfo::kDrive));
    EXPECT_EQ(0, rk::bytes::ReadI16(local, dbinfo::kCatalogNodeNumberOffset));
}

TEST_F(SimCatalog, UncatalogTellsMissingDirectoryFromMissingEntry)
{
    EXPECT_EQ(kSqlDatabaseDirectoryNotFound, Uncatalog("SALES"));
    EXPECT_EQ(kSqlNodeDirectoryNotFound, UncatalogNode("NODE1"));

    ASSERT_EQ(0, CatalogNode("NODE1", "host", "50000"));
    ASSERT_EQ(0, CatalogRemote("SALES", "SALES", "NODE1"));
    EXPECT_EQ(kSqlAliasNotFound, Uncatalog("NOSUCH"));
    EXPECT_EQ("NOSUCH", Tokens(ca));
    EXPECT_EQ("42705", rk::test::Sqlstate(ca));
    EXPECT_EQ(kSqlNodeNotFound, UncatalogNode("NOSUCH"));
    EXPECT_EQ(kSqlInvalidNodeName, UncatalogNode("warehouse7")) << "a name longer than 8 characters";
    EXPECT_EQ(kSqlInvalidAlias, Uncatalog(nullptr));

    EXPECT_EQ(0, Uncatalog("sales"));
    EXPECT_EQ(0, UncatalogNode("node1"));
    EXPECT_TRUE(BasicDatabaseRecords().empty());
    EXPECT_EQ(kSqlSystemDirectoryEmpty, Code());
    EXPECT_TRUE(NodeRecords().empty());
    EXPECT_EQ(kSqlNodeDirectoryEmpty, Code());
}

// Mended: a hand-edited file that did not parse was read leniently, and an
// edit wrote the lenient reading back over it.
TEST_F(SimCatalog, DamagedDirectoriesFailEveryCallAndAreNeverWrittenOver)
{
    const std::string nodes = "[node N1]\nhost = h\nstray text\n";
    const std::string databases = "# hand-edited\n[database D1\n";
    home.Write("nodes.txt", nodes);
    home.Write("databases.txt", databases);
    const std::string nodeDamage = "nodes.txt\xFFline 3: not a \"key = value\" line";
    const std::string databaseDamage = "databases.txt\xFFline 2: no closing bracket";
    const struct {
        const char* call;
        std::function<void()> run;
        std::int32_t sqlcode;
        const std::string& tokens;
    } calls[] = {
        {"node scan", [&] { NodeRecords(); }, -1038, nodeDamage},
        {"database scan", [&] { BasicDatabaseRecords(); }, -10004, databaseDamage},
        {"catalog node", [&] { CatalogNode("N2", "host", "1"); }, -1038, nodeDamage},
        {"catalog remote database", [&] { CatalogRemote("D2", "D2", "N1"); }, -1038, nodeDamage},
        {"uncatalog database", [&] { Uncatalog("D1"); }, -10004, databaseDamage},
    };
    for (const auto& c : calls) {
        c.run();
        EXPECT_EQ(c.sqlcode, Code()) << c.call;
        EXPECT_EQ(c.tokens, Tokens(ca)) << c.call;
        EXPECT_EQ("58031", rk::test::Sqlstate(ca)) << c.call;
    }
    EXPECT_EQ(nodes, home.Read("nodes.txt"));
    EXPECT_EQ(databases, home.Read("databases.txt"));
    EXPECT_EQ("databases.txt nodes.txt store.lock", home.Listing());
}

TEST_F(SimCatalog, UnwritableStoreReportsAnIoError)
{
    // A directory in the place of the lock file.
    std::filesystem::create_directories(home.FilePath("store.lock") + "/x");
    EXPECT_EQ(-1038, CatalogNode("NODE1", "host", "1")) << "the node directory's I/O error";
    EXPECT_EQ(-1039, CatalogRemote("D1", "D1", "NODE1")) << "the database directory's";
    EXPECT_FALSE(home.Exists("nodes.txt"));
    EXPECT_FALSE(home.Exists("databases.txt"));
}

} // namespace
