// The node directory scan of the stand-in's db2app.dll: sqlenops_api,
// sqlengne_api, sqlencls_api over nodes.txt. What it shares with the
// database directory scans is in ScanRouteTest.cpp.

#include <cstring>

#include "SimScanFixture.h"

namespace {

using namespace rk::db2;
using rk::test::FieldBytes;
using rk::test::Padded;
namespace f = rk::db2::nodeinfo;

class SimNodeScan : public rk::test::SimApp { };

TEST_F(SimNodeScan, RecordIsBlankPaddedWithZeroNumbersAndFillers)
{
    home.Write("nodes.txt", "[node DB2SRV1]\nhost = db2.example.com\nservice = 50000\ninstance = DB2\n"
                            "remote_instance = DB2INST1\nos_type = 18\n");
    unsigned short handle = 0;
    unsigned short count = 0;
    sqlenops_api(&handle, &count, &ca);
    ASSERT_EQ(0, Code());
    ASSERT_EQ(1, count);
    EXPECT_NE(0, handle);
    unsigned char* record = nullptr;
    sqlengne_api(handle, &record, &ca);
    ASSERT_EQ(0, Code());
    ASSERT_NE(nullptr, record);

    EXPECT_EQ("DB2SRV1 ", FieldBytes(record, f::kNodeName));
    EXPECT_EQ(Padded("db2.example.com", 255), FieldBytes(record, f::kHostName));
    EXPECT_EQ("50000         ", FieldBytes(record, f::kServiceName));
    EXPECT_EQ("DB2     ", FieldBytes(record, f::kInstanceName));
    EXPECT_EQ("DB2INST1", FieldBytes(record, f::kRemoteInstanceName));
    EXPECT_EQ(18, rk::bytes::ReadU16(record, f::kOsTypeOffset));
    EXPECT_EQ(f::kProtocolTcpip, record[f::kProtocol.offset]);
    EXPECT_EQ(std::string(30, ' '), FieldBytes(record, f::kComment));
    EXPECT_EQ(std::string(48, ' '), FieldBytes(record, f::kFileServer));
    EXPECT_EQ(std::string(12, ' '), FieldBytes(record, f::kLanAddress));
    EXPECT_EQ(0, rk::bytes::ReadU16(record, f::kCommentCodepageOffset));
    EXPECT_EQ(0, rk::bytes::ReadU16(record, f::kSecurityTypeOffset));
    EXPECT_EQ(0, record[f::kSymDestName.End()]) << "the filler before security_type";
    sqlencls_api(handle, &ca);
    EXPECT_EQ(0, Code());
}

TEST_F(SimNodeScan, ValuesFillOrAreCutToTheirFields)
{
    const std::string host255(255, 'h');
    home.Write("nodes.txt", "[node EIGHTCHR]\nhost = " + host255 +
                                "\nservice = 12345678901234\ninstance = INSTANCE\n"
                                "[node TOOLONGNAME]\nhost = " +
                                host255 +
                                "xyz\nservice = 123456789012345678\n"
                                "instance = INSTANCE9\nos_type = 8\n");
    const auto records = NodeRecords();
    ASSERT_EQ(2u, records.size());
    const auto* exact = reinterpret_cast<const unsigned char*>(records[0].data());
    EXPECT_EQ("EIGHTCHR", FieldBytes(exact, f::kNodeName));
    EXPECT_EQ(host255, FieldBytes(exact, f::kHostName));
    EXPECT_EQ("12345678901234", FieldBytes(exact, f::kServiceName));
    EXPECT_EQ("INSTANCE", FieldBytes(exact, f::kInstanceName));
    const auto* cut = reinterpret_cast<const unsigned char*>(records[1].data());
    EXPECT_EQ("TOOLONGN", FieldBytes(cut, f::kNodeName));
    EXPECT_EQ(host255, FieldBytes(cut, f::kHostName));
    EXPECT_EQ("12345678901234", FieldBytes(cut, f::kServiceName));
    EXPECT_EQ("INSTANCE", FieldBytes(cut, f::kInstanceName));
    EXPECT_EQ(8, rk::bytes::ReadU16(cut, f::kOsTypeOffset));
}

TEST_F(SimNodeScan, NullArgumentsAreRefusedNotDereferenced)
{
    unsigned short count = 0;
    sqlenops_api(nullptr, &count, &ca);
    EXPECT_EQ(-2032, Code());
    EXPECT_EQ(-2032, sqlenops_api(&count, &count, nullptr));
    sqlengne_api(1, nullptr, &ca);
    EXPECT_EQ(-2032, Code());
}

} // namespace
