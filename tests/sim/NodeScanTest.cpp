// The node directory scan of the stand-in's db2app.dll: sqlenops_api,
// sqlengne_api, sqlencls_api over nodes.txt.

#include <cstring>

#include "CallLog.h"
#include "SimScanFixture.h"

namespace {

using namespace rk::db2;
using rk::test::FieldBytes;
using rk::test::Padded;
using rk::test::Sqlstate;
using rk::test::Tokens;
namespace f = rk::db2::nodeinfo;

class SimNodeScan : public rk::test::SimApp {};

TEST_F(SimNodeScan, MissingAndEmptyDirectoriesOpenNoScan)
{
    unsigned short handle = 77;
    unsigned short count = 77;
    sqlenops_api(&handle, &count, &ca);
    EXPECT_EQ(kSqlNodeDirectoryNotFound, Code());
    EXPECT_EQ("58031", Sqlstate(ca));
    EXPECT_EQ(0, handle);
    EXPECT_EQ(0, count);
    EXPECT_EQ("SQLCA   ", FieldBytes(ca.bytes, kSqlcaId));
    EXPECT_EQ(136, rk::bytes::ReadI32(ca.bytes, kSqlcaBcOffset));

    home.Write("nodes.txt", "# no nodes yet\n\n");
    handle = count = 77;
    sqlenops_api(&handle, &count, &ca);
    EXPECT_EQ(kSqlNodeDirectoryEmpty, Code());
    EXPECT_EQ("01606", Sqlstate(ca));
    EXPECT_EQ(0, handle);
    EXPECT_EQ(0, count);
}

TEST_F(SimNodeScan, RecordIsBlankPaddedWithZeroNumbersAndFillers)
{
    home.Write("nodes.txt", "[node DB2SRV1]\nhost = db2.example.com\nservice = 50000\ninstance = DB2\n"
                            "remote_instance = DB2INST1\nos_type = 18\n");
    unsigned short handle = 0;
    unsigned short count = 0;
    sqlenops_api(&handle, &count, &ca);
    ASSERT_EQ(0, Code());
    EXPECT_EQ("00000", Sqlstate(ca));
    EXPECT_EQ(0, rk::bytes::ReadI16(ca.bytes, kSqlcaErrmlOffset));
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
    home.Write("nodes.txt", "[node EIGHTCHR]\nhost = " + host255 + "\nservice = 12345678901234\ninstance = INSTANCE\n"
                            "[node TOOLONGNAME]\nhost = " + host255 + "xyz\nservice = 123456789012345678\n"
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

TEST_F(SimNodeScan, FetchPastTheEndAndStaleHandlesAreRefused)
{
    home.Write("nodes.txt", "[node N1]\n");
    unsigned short handle = 0;
    unsigned short count = 0;
    sqlenops_api(&handle, &count, &ca);
    ASSERT_EQ(1, count);
    unsigned char* record = nullptr;
    sqlengne_api(handle, &record, &ca);
    ASSERT_EQ(0, Code());
    sqlengne_api(handle, &record, &ca);
    EXPECT_EQ(kSqlNoMoreEntries, Code());
    EXPECT_EQ("02000", Sqlstate(ca));
    EXPECT_EQ(nullptr, record);

    sqlencls_api(handle, &ca);
    EXPECT_EQ(0, Code());
    sqlencls_api(handle, &ca);
    EXPECT_EQ(-2032, Code()) << "closing twice";
    EXPECT_EQ("handle", Tokens(ca));
    sqlengne_api(handle, &record, &ca);
    EXPECT_EQ(-2032, Code()) << "fetching after the close";
    sqledgne_api(handle, &record, &ca);
    EXPECT_EQ(-2032, Code()) << "a handle of another kind of scan";
}

TEST_F(SimNodeScan, ScansOpenAtOnceAreIndependentSnapshots)
{
    home.Write("nodes.txt", "[node N1]\n[node N2]\n");
    unsigned short first = 0;
    unsigned short second = 0;
    unsigned short count = 0;
    sqlenops_api(&first, &count, &ca);
    home.Write("nodes.txt", "[node M1]\n");   // a later open sees the change, the first scan does not
    sqlenops_api(&second, &count, &ca);
    ASSERT_EQ(1, count);
    EXPECT_NE(first, second);

    unsigned char* record = nullptr;
    sqlengne_api(second, &record, &ca);
    EXPECT_EQ("M1      ", FieldBytes(record, f::kNodeName));
    sqlengne_api(first, &record, &ca);
    EXPECT_EQ("N1      ", FieldBytes(record, f::kNodeName));
    sqlencls_api(second, &ca);
    sqlengne_api(first, &record, &ca);
    EXPECT_EQ("N2      ", FieldBytes(record, f::kNodeName));
    sqlencls_api(first, &ca);
    EXPECT_EQ(0, Code());
}

TEST_F(SimNodeScan, InjectedCodeReplacesTheWork)
{
    home.Write("nodes.txt", "[node N1]\n");
    const rk::test::CallLog log;
    unsigned short handle = 77;
    unsigned short count = 77;
    {
        const rk::test::ScopedFaults faults("sqlenops_api@12#1=-1027");
        sqlenops_api(&handle, &count, &ca);
        EXPECT_EQ(-1027, Code());
        EXPECT_EQ(0, handle);
        EXPECT_EQ(0, count);
        sqlenops_api(&handle, &count, &ca);   // the second call is not injected
        EXPECT_EQ(0, Code());
    }
    EXPECT_EQ(1, handle) << "the injected open took no handle";
    EXPECT_EQ(2, log.Count("sqlenops_api@12"));
    sqlencls_api(handle, &ca);
}

TEST_F(SimNodeScan, StoreIsLookedUpAtEveryCall)
{
    home.Write("nodes.txt", "[node N1]\n");
    EXPECT_EQ(1u, NodeRecords().size());
    const rk::test::SimHome other;
    EXPECT_TRUE(NodeRecords().empty());
    EXPECT_EQ(kSqlNodeDirectoryNotFound, Code());
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
