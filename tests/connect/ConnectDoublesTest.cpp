// What a real driver cannot be made to do, through the stand-in's fault
// rules (RKDB2_SIM_FAULTS) and made-up diagnostic records (RKDB2_SIM_DIAG):
// allocation failures, warnings, long and many records, no records, and a
// DBMS-name query that fails after a good connection.

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ConnectTestSupport.h"
#include "TestEnv.h"

using namespace rk::test;

namespace {

// The text of made-up record n: its length in one letter, 'a' for record 1.
std::string MadeUpText(int recordNumber, int length)
{
    return std::string(static_cast<std::size_t>(length), static_cast<char>('a' + recordNumber - 1));
}

class ConnectDoubles : public testing::Test {
protected:
    rk::host::HostLibrary library;
    CallLog log;

    void SetUp() override { ASSERT_TRUE(library.IsLoaded()); }

    static std::vector<DiagBlock> Blocks(const ConnectOutcome& outcome)
    {
        const auto blocks = ParseMessage(outcome.Message());
        EXPECT_TRUE(blocks) << outcome.Message();
        return blocks.value_or(std::vector<DiagBlock>{});
    }
};

TEST_F(ConnectDoubles, EnvironmentAllocationFailureLeavesTheBareTrailer)
{
    ScopedFaults faults("SQLAllocHandle#1=-1");
    const auto outcome = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(0, outcome.result);
    EXPECT_EQ(kTrailer, outcome.Message()) << "no handle to read diagnostics from";
    EXPECT_TRUE(outcome.DbmsNameUntouched());
    EXPECT_EQ((std::vector<std::string>{"SQLAllocHandle", "SQLGetDiagRec"}), CliCalls(log));
}

TEST_F(ConnectDoubles, EnvironmentAllocatedWithAWarningFailsAndIsReleased)
{
    ScopedFaults faults("SQLAllocHandle#1=1");
    ScopedEnv diag("RKDB2_SIM_DIAG", "count=1,state=01000,native=7,length=12");
    const auto outcome = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(0, outcome.result);
    const auto blocks = Blocks(outcome);
    ASSERT_EQ(1u, blocks.size());
    ASSERT_EQ(1u, blocks[0].size());
    EXPECT_EQ("01000", blocks[0][0].sqlstate);
    EXPECT_EQ(7, blocks[0][0].nativeError);
    EXPECT_EQ(MadeUpText(1, 12), blocks[0][0].text);
    EXPECT_EQ((std::vector<std::string>{"SQLAllocHandle", "SQLGetDiagRec", "SQLGetDiagRec", "SQLFreeHandle"}),
              CliCalls(log));
}

TEST_F(ConnectDoubles, ConnectionHandleFailureReportsTheEnvironmentsRecords)
{
    // Only the environment handle carries records: a block read from the
    // (null) connection handle would be the bare trailer.
    ScopedFaults faults("SQLAllocHandle#2=-1");
    ScopedEnv diag("RKDB2_SIM_DIAG", "type=1,count=2,state=HY001,native=-2147483648,length=30");
    const auto outcome = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(0, outcome.result);
    EXPECT_NE(std::string::npos, outcome.Message().find("  Native Error Code = -2147483648\n"));
    const auto blocks = Blocks(outcome);
    ASSERT_EQ(1u, blocks.size());
    ASSERT_EQ(2u, blocks[0].size());
    EXPECT_EQ("HY001", blocks[0][1].sqlstate);
    EXPECT_EQ(MadeUpText(2, 30), blocks[0][1].text);
    EXPECT_TRUE(outcome.DbmsNameUntouched());
    EXPECT_EQ((std::vector<std::string>{"SQLAllocHandle", "SQLAllocHandle", "SQLGetDiagRec", "SQLGetDiagRec",
                                        "SQLGetDiagRec", "SQLFreeHandle"}),
              CliCalls(log));
}

TEST_F(ConnectDoubles, ConnectionWithAWarningFailsButStillGivesTheNameAndDisconnects)
{
    ScopedFaults faults("SQLConnect=1");
    ScopedEnv diag("RKDB2_SIM_DIAG", "type=2,count=1,state=01S00,length=5");
    const auto outcome = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(0, outcome.result);
    EXPECT_EQ(std::string("SQLite\0\0", 8), outcome.DbmsField());
    const auto blocks = Blocks(outcome);
    ASSERT_EQ(1u, blocks.size()) << "only the connection's block";
    ASSERT_EQ(1u, blocks[0].size());
    EXPECT_EQ("01S00", blocks[0][0].sqlstate);
    EXPECT_EQ(
        (std::vector<std::string>{"SQLAllocHandle", "SQLAllocHandle", "SQLConnect", "SQLGetDiagRec", "SQLGetDiagRec",
                                  "SQLGetInfo", "SQLDisconnect", "SQLFreeHandle", "SQLFreeHandle"}),
        CliCalls(log));
}

TEST_F(ConnectDoubles, TextLongerThan1024CharactersEndsItsBlock)
{
    ScopedFaults faults("SQLConnect=-1");
    ScopedEnv diag("RKDB2_SIM_DIAG", "count=3,length=1024:1025:5");
    const auto outcome = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(0, outcome.result);
    const auto blocks = Blocks(outcome);
    ASSERT_EQ(2u, blocks.size()) << "the connection's block and the query's";
    for (const auto& block : blocks) {
        ASSERT_EQ(1u, block.size()) << "record 2 does not fit its buffer; record 3 is not asked for";
        EXPECT_EQ(MadeUpText(1, 1024), block[0].text);
    }
    EXPECT_EQ(4, log.Count("SQLGetDiagRec"));
}

TEST_F(ConnectDoubles, FailedCallsWithoutRecordsGiveBareTrailers)
{
    ScopedFaults faults("SQLConnect=-1,SQLGetInfo=-1");
    ScopedEnv diag("RKDB2_SIM_DIAG", "count=0");
    const auto outcome = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(0, outcome.result);
    EXPECT_EQ(kTrailer + kTrailer, outcome.Message());
    EXPECT_TRUE(outcome.DbmsNameUntouched());
}

TEST_F(ConnectDoubles, QueryFailureAfterAGoodConnectionStillSucceeds)
{
    ScopedFaults faults("SQLGetInfo=-1");
    ScopedEnv diag("RKDB2_SIM_DIAG", "count=1,state=HY000,length=9");
    const auto outcome = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(1, outcome.result);
    const auto blocks = Blocks(outcome);
    ASSERT_EQ(1u, blocks.size());
    ASSERT_EQ(1u, blocks[0].size());
    EXPECT_EQ(0u, outcome.Message().rfind("\n  SQLSTATE          = HY000\n", 0)) << "starts at the beginning";
    EXPECT_TRUE(outcome.DbmsNameUntouched());
    EXPECT_EQ(1, log.Count("SQLDisconnect"));
}

// Failing each CLI call of a good connection in turn: whatever fails, every
// handle allocated is freed, a connection made is closed, the message keeps
// its block format and its bound, and nothing fails silently before the
// connection is made.
TEST_F(ConnectDoubles, EachFailedCallReleasesWhatWasAllocated)
{
    const auto good = Connect(library, kSqliteDsn, "user", "password");
    ASSERT_EQ(1, good.result) << good.Message();
    const std::vector<std::string> calls = CliCalls(log);
    ASSERT_GE(calls.size(), 5u);
    // The stand-in numbers each entry point's calls from its load, which
    // lasts the process: count every call made so far.
    std::map<std::string, int> madeBefore;
    for (const std::string& call : calls)
        ++madeBefore[call];
    std::map<std::string, int> seen;
    bool connected = false;
    for (const std::string& call : calls) {
        const std::string rule = call + "#" + std::to_string(madeBefore[call] + ++seen[call]) + "=-1";
        log.Clear();
        ConnectOutcome outcome;
        {
            ScopedFaults faults(rule);
            outcome = Connect(library, kSqliteDsn, "user", "password");
        }
        const auto made = CliCalls(log);
        for (const std::string& name : made)
            ++madeBefore[name];
        const auto count = [&](const char* name) { return std::count(made.begin(), made.end(), name); };
        const std::ptrdiff_t allocated = count("SQLAllocHandle") - (call == "SQLAllocHandle" ? 1 : 0);
        EXPECT_EQ(allocated, count("SQLFreeHandle")) << rule;
        EXPECT_TRUE(ParseMessage(outcome.Message())) << rule << ": " << outcome.Message();
        EXPECT_TRUE(outcome.NothingWrittenBehindTheTerminator()) << rule;
        if (!connected) {
            EXPECT_EQ(0, outcome.result) << rule;
        }
        connected = connected || call == "SQLConnect";
        if (connected && call != "SQLConnect") {
            EXPECT_EQ(1, count("SQLDisconnect")) << rule;
        }
    }
}

// Records that fill the message: as many as fit beside the trailer stay,
// the rest of the block is dropped, and a block whose trailer would not fit
// is left out.
struct BoundCase {
    const char* diag;
    std::size_t recordSize;          // as rendered
    std::vector<std::size_t> blocks; // records per block
};

class ConnectMessageBound : public ConnectDoubles, public testing::WithParamInterface<BoundCase> { };

TEST_P(ConnectMessageBound, RecordsStayWithinTheMessageBound)
{
    ScopedFaults faults("SQLConnect=-1");
    ScopedEnv diag("RKDB2_SIM_DIAG", GetParam().diag);
    const auto outcome = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(0, outcome.result);
    std::size_t records = 0;
    for (std::size_t n : GetParam().blocks)
        records += n;
    EXPECT_EQ(records * GetParam().recordSize + GetParam().blocks.size() * kTrailer.size(), outcome.Message().size());
    EXPECT_LT(outcome.Message().size(), static_cast<std::size_t>(RKDB2_CONNECT_MESSAGE_MAX));
    EXPECT_TRUE(outcome.NothingWrittenBehindTheTerminator());
    const auto blocks = Blocks(outcome);
    ASSERT_EQ(GetParam().blocks.size(), blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i)
        EXPECT_EQ(GetParam().blocks[i], blocks[i].size()) << "block " << i;
    EXPECT_EQ(1, log.Count("SQLGetInfo"));
}

INSTANTIATE_TEST_SUITE_P(Records, ConnectMessageBound,
                         testing::Values(
                             // 1,079 bytes each: thirty fit, and the query's block has room for its trailer only.
                             BoundCase{"count=100,length=1024,native=42", 1079, {30, 0}},
                             // 1,056 bytes each: thirty-one fill the message to 32,763 bytes with
                             // the trailer, and the query's block, whose trailer would not fit, is left out.
                             BoundCase{"count=100,length=1001,native=42", 1056, {31}}));

} // namespace
