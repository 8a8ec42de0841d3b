// The system database directory scans of the stand-in's db2app.dll: the
// older route (sqledosd_api, sqledgne_api, sqledcls_api) and the newer one
// (db2DbDirOpenScan, db2DbDirGetNextEntry, db2DbDirCloseScan) over
// databases.txt. What they share with the node directory scan is in
// ScanRouteTest.cpp.

#include <algorithm>

#include "SimScanFixture.h"

namespace {

using namespace rk::db2;
using rk::test::FieldBytes;
using rk::test::Padded;
using rk::test::Tokens;
namespace f = rk::db2::dbinfo;

const char* const kTwoDatabases = "[database SAMPLE]\n"
                                  "name = SAMPLE\npath = C:\ninternal_name = SQL00001\nnode =\ntype = 9.07\n"
                                  "comment = Sample database\nentry_type = 0\nauthentication = 0\n"
                                  "catalog_node_number = 0\n"
                                  "[database REMOTE1]\n"
                                  "name = WAREHOUS\nnode = DB2SRV1\nentry_type = 1\nauthentication = 255\n"
                                  "catalog_node_number = -1\ncomment = A comment of more than thirty characters\n"
                                  "alt_host = backup.example.com\nalt_port = 50001\n";

class SimDatabaseScan : public rk::test::SimApp {
protected:
    const unsigned char* Bytes(const std::string& record)
    {
        return reinterpret_cast<const unsigned char*>(record.data());
    }
};

// The stand-in keeps no local database directories.
TEST_F(SimDatabaseScan, PathOfALocalDatabaseDirectoryIsNotFoundOnBothRoutes)
{
    home.Write("databases.txt", "[database ONLY]\n");
    char path[] = "C:";
    unsigned short handle = 77;
    unsigned short count = 77;
    sqledosd_api(path, &handle, &count, &ca);
    EXPECT_EQ(kSqlDatabaseDirectoryNotFound, Code());
    EXPECT_EQ(0, handle);
    EXPECT_EQ(0, count);
    DbDirOpenScanParams open{path, 77, 77};
    db2DbDirOpenScan(kDbDirVersion, &open, &ca);
    EXPECT_EQ(kSqlDatabaseDirectoryNotFound, Code());
    EXPECT_EQ(0, open.oHandle);
    EXPECT_EQ(0, open.oNumEntries);
}

TEST_F(SimDatabaseScan, RecordIsBlankPaddedWithZeroNumbersAndFillers)
{
    home.Write("databases.txt", kTwoDatabases);
    const auto records = BasicDatabaseRecords();
    ASSERT_EQ(2u, records.size());
    const unsigned char* local = Bytes(records[0]);
    EXPECT_EQ("SAMPLE  ", FieldBytes(local, f::kAlias));
    EXPECT_EQ("SAMPLE  ", FieldBytes(local, f::kDatabaseName));
    EXPECT_EQ(Padded("C:", 12), FieldBytes(local, f::kDrive));
    EXPECT_EQ("SQL00001", FieldBytes(local, f::kInternalName));
    EXPECT_EQ(std::string(8, ' '), FieldBytes(local, f::kNodeName));
    EXPECT_EQ(Padded("9.07", 20), FieldBytes(local, f::kDatabaseType));
    EXPECT_EQ(Padded("Sample database", 30), FieldBytes(local, f::kComment));
    EXPECT_EQ('0', local[f::kEntryTypeOffset]);
    EXPECT_EQ(0, local[f::kEntryTypeOffset + 1]) << "the filler before authentication";
    EXPECT_EQ(0, rk::bytes::ReadU16(local, f::kAuthenticationOffset));
    EXPECT_EQ(std::string(255, ' '), FieldBytes(local, f::kGlobalDatabaseName));
    EXPECT_EQ(std::string(1024, ' '), FieldBytes(local, f::kDcePrincipal));
    EXPECT_EQ(0, rk::bytes::ReadI16(local, f::kCatalogNodeNumberOffset));
    EXPECT_EQ(0, rk::bytes::ReadU16(local, f::kNodeNumberOffset));

    const unsigned char* remote = Bytes(records[1]);
    EXPECT_EQ("REMOTE1 ", FieldBytes(remote, f::kAlias));
    EXPECT_EQ("WAREHOUS", FieldBytes(remote, f::kDatabaseName));
    EXPECT_EQ("DB2SRV1 ", FieldBytes(remote, f::kNodeName));
    EXPECT_EQ(std::string(12, ' '), FieldBytes(remote, f::kDrive));
    EXPECT_EQ("A comment of more than thirty ", FieldBytes(remote, f::kComment)) << "cut to 30 bytes";
    EXPECT_EQ('1', remote[f::kEntryTypeOffset]);
    EXPECT_EQ(255, rk::bytes::ReadU16(remote, f::kAuthenticationOffset));
    EXPECT_EQ(-1, rk::bytes::ReadI16(remote, f::kCatalogNodeNumberOffset));
}

TEST_F(SimDatabaseScan, BothRoutesGiveTheSameFieldsAndOnlyTheNewerOneTheAlternateServer)
{
    home.Write("databases.txt", kTwoDatabases);
    const auto basic = BasicDatabaseRecords();
    const auto extended = ExtendedDatabaseRecords();
    EXPECT_EQ(0, Code());
    ASSERT_EQ(2u, basic.size());
    ASSERT_EQ(2u, extended.size());
    for (std::size_t i = 0; i < basic.size(); ++i)
        EXPECT_EQ(basic[i], extended[i].substr(0, f::kBasicSize)) << "entry " << i;

    EXPECT_EQ(Padded("backup.example.com", 255), FieldBytes(Bytes(extended[1]), f::kAltHostName));
    EXPECT_EQ(Padded("50001", 14), FieldBytes(Bytes(extended[1]), f::kAltPortNumber));
    EXPECT_EQ(0, extended[1].back()) << "the filler closing db2DbDirInfo";
    EXPECT_EQ(std::string(255, ' '), FieldBytes(Bytes(extended[0]), f::kAltHostName));
}

TEST_F(SimDatabaseScan, NewerRouteRefusesOtherVersionsAndMissingParameters)
{
    home.Write("databases.txt", "[database ONLY]\n");
    DbDirOpenScanParams open{nullptr, 77, 77};
    db2DbDirOpenScan(9010000, &open, &ca);
    EXPECT_EQ(-2032, Code());
    EXPECT_EQ("versionNumber", Tokens(ca));
    EXPECT_EQ(0, open.oHandle);
    EXPECT_EQ(0, open.oNumEntries);
    db2DbDirOpenScan(kDbDirVersion, nullptr, &ca);
    EXPECT_EQ(-2032, Code());

    db2DbDirOpenScan(kDbDirVersion, &open, &ca);
    ASSERT_EQ(0, Code());
    DbDirNextEntryParams next{open.oHandle, nullptr};
    db2DbDirGetNextEntry(8010000, &next, &ca);
    EXPECT_EQ(-2032, Code());
    DbDirCloseScanParams close{open.oHandle};
    db2DbDirCloseScan(8010000, &close, &ca);
    EXPECT_EQ(-2032, Code());
    db2DbDirCloseScan(kDbDirVersion, &close, &ca);
    EXPECT_EQ(0, Code()) << "the scan was still open";
}

TEST_F(SimDatabaseScan, SampleCatalogueHasWhatItsReadmePromises)
{
    const rk::test::ScopedEnv sample("RKDB2_SIM_HOME", RK_SIM_SAMPLE_DIR);
    std::vector<std::string> nodeNames;
    bool zos = false;
    bool withoutInstance = false;
    for (const auto& record : NodeRecords()) {
        const auto* bytes = Bytes(record);
        nodeNames.push_back(FieldBytes(bytes, nodeinfo::kNodeName));
        zos = zos || rk::bytes::ReadU16(bytes, nodeinfo::kOsTypeOffset) == 8;
        withoutInstance = withoutInstance || FieldBytes(bytes, nodeinfo::kInstanceName) +
                                                     FieldBytes(bytes, nodeinfo::kRemoteInstanceName) ==
                                                 std::string(16, ' ');
    }
    EXPECT_EQ(4u, nodeNames.size());
    EXPECT_TRUE(zos);
    EXPECT_TRUE(withoutInstance);

    int local = 0;
    int orphans = 0;
    int alternates = 0;
    for (const auto& record : ExtendedDatabaseRecords()) {
        const auto* bytes = Bytes(record);
        const std::string node = FieldBytes(bytes, f::kNodeName);
        const bool catalogued = std::find(nodeNames.begin(), nodeNames.end(), node) != nodeNames.end();
        local += node == std::string(8, ' ') && rk::bytes::ReadI16(bytes, f::kCatalogNodeNumberOffset) == 0;
        orphans += node != std::string(8, ' ') && !catalogued;
        alternates += FieldBytes(bytes, f::kAltHostName) != std::string(255, ' ');
    }
    EXPECT_EQ(0, Code());
    EXPECT_EQ(2, local);
    EXPECT_EQ(1, orphans);
    EXPECT_EQ(1, alternates);
}

} // namespace
