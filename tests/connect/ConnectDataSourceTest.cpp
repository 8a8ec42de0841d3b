// RkConnect against real data sources through the system's ODBC driver
// manager: a SQLite database file and the PostgreSQL server of the tests.

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ConnectTestSupport.h"
#include "db2/Db2Files.h"

using namespace rk::test;

namespace {

const std::vector<std::string> kOneTestsCalls = {"SQLAllocHandle", "SQLAllocHandle", "SQLConnect",   "SQLGetInfo",
                                                 "SQLDisconnect",  "SQLFreeHandle",  "SQLFreeHandle"};

class ConnectDataSource : public testing::Test {
protected:
    rk::host::HostLibrary library;
    CallLog log;

    void SetUp() override { ASSERT_TRUE(library.IsLoaded()); }
};

using ConnectSqlite = ConnectDataSource;
using ConnectPostgres = ConnectDataSource;
using ConnectOdbc = ConnectDataSource;

TEST_F(ConnectSqlite, SucceedsWithTheShortNamePaddedWithZeros)
{
    const auto outcome = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(1, outcome.result);
    EXPECT_EQ(std::string("SQLite\0\0", 8), outcome.DbmsField());
    EXPECT_EQ(kUntouched, outcome.dbmsName[RKDB2_DBMS_NAME_SIZE]);
    EXPECT_EQ('\0', outcome.buffer[0]) << "the message is empty";
    EXPECT_TRUE(outcome.NothingWrittenBehindTheTerminator());
    EXPECT_EQ(kOneTestsCalls, CliCalls(log));
}

TEST_F(ConnectSqlite, TwoTestsInARowEachOpenAndCloseTheirOwnHandles)
{
    const auto first = Connect(library, kSqliteDsn, "user", "password");
    const auto second = Connect(library, kSqliteDsn, "user", "password");
    EXPECT_EQ(1, first.result);
    EXPECT_EQ(1, second.result);
    EXPECT_EQ(first.DbmsField(), second.DbmsField());
    std::vector<std::string> twice = kOneTestsCalls;
    twice.insert(twice.end(), kOneTestsCalls.begin(), kOneTestsCalls.end());
    EXPECT_EQ(twice, CliCalls(log));
    EXPECT_EQ(1, log.Count("load " RK_DB2CLI_FILE)) << "the client stays loaded between tests";
}

TEST_F(ConnectSqlite, NullUserAndPasswordAreLeftToTheDataSource)
{
    const auto outcome = Connect(library, kSqliteDsn, nullptr, nullptr);
    EXPECT_EQ(1, outcome.result) << outcome.Message();
    EXPECT_EQ(std::string("SQLite\0\0", 8), outcome.DbmsField());
}

TEST_F(ConnectPostgres, SucceedsWithTheLongNameCutToEightBytes)
{
    const auto outcome = Connect(library, kPostgresDsn, "tester", "testpw");
    ASSERT_EQ(1, outcome.result) << "is the server up? scripts/postgres.sh start\n" << outcome.Message();
    EXPECT_EQ("PostgreS", outcome.DbmsField());
    EXPECT_EQ(kUntouched, outcome.dbmsName[RKDB2_DBMS_NAME_SIZE]) << "no terminator behind the field";
    EXPECT_EQ("", outcome.Message());
}

TEST_F(ConnectPostgres, WrongPasswordReportsTheServersRefusal)
{
    const auto outcome = Connect(library, kPostgresDsn, "tester", "not-the-password");
    EXPECT_EQ(0, outcome.result);
    const std::string message = outcome.Message();
    EXPECT_EQ(0u, message.rfind("\n  SQLSTATE          = 08001\n  Native Error Code = 101\n", 0)) << message;
    const auto blocks = ParseMessage(message);
    ASSERT_TRUE(blocks) << message;
    ASSERT_EQ(2u, blocks->size()) << "the connection's block, then the DBMS-name query's\n" << message;
    ASSERT_EQ(1u, (*blocks)[0].size()) << message;
    EXPECT_NE(std::string::npos, (*blocks)[0][0].text.find("password authentication failed for user \"tester\""));
    EXPECT_FALSE((*blocks)[1].empty()) << "the query on the unconnected handle fails with a record of its own";
    EXPECT_TRUE(outcome.DbmsNameUntouched());
    EXPECT_TRUE(outcome.NothingWrittenBehindTheTerminator());
}

TEST_F(ConnectOdbc, UnknownDataSourceNameReportsIM002)
{
    const auto outcome = Connect(library, "RkNoSuchSource", "user", "password");
    EXPECT_EQ(0, outcome.result);
    const auto blocks = ParseMessage(outcome.Message());
    ASSERT_TRUE(blocks) << outcome.Message();
    ASSERT_EQ(2u, blocks->size()) << outcome.Message();
    ASSERT_EQ(1u, (*blocks)[0].size()) << outcome.Message();
    EXPECT_EQ("IM002", (*blocks)[0][0].sqlstate);
    EXPECT_EQ(0, (*blocks)[0][0].nativeError);
    EXPECT_EQ("[unixODBC][Driver Manager]Data source name not found and no default driver specified",
              (*blocks)[0][0].text);
    EXPECT_TRUE(outcome.DbmsNameUntouched());
}

TEST_F(ConnectOdbc, NullDataSourceNameIsLeftToTheCli)
{
    const auto outcome = Connect(library, nullptr, "user", "password");
    EXPECT_EQ(0, outcome.result);
    const auto blocks = ParseMessage(outcome.Message());
    ASSERT_TRUE(blocks) << outcome.Message();
    ASSERT_FALSE(blocks->empty());
    EXPECT_FALSE((*blocks)[0].empty()) << "the CLI reports its own error\n" << outcome.Message();
    EXPECT_EQ(1, log.Count("SQLConnect"));
}

TEST_F(ConnectOdbc, NullOutputsRefuseTheTestWithoutCallingTheCli)
{
    std::string dbmsName(RKDB2_DBMS_NAME_SIZE, kUntouched);
    std::string message(64, kUntouched);
    EXPECT_EQ(0, library.RkConnect(kSqliteDsn, "user", "password", nullptr, &message[0]));
    EXPECT_EQ(0, library.RkConnect(kSqliteDsn, "user", "password", &dbmsName[0], nullptr));
    EXPECT_EQ(std::string(64, kUntouched), message);
    EXPECT_EQ(std::string(RKDB2_DBMS_NAME_SIZE, kUntouched), dbmsName);
    EXPECT_TRUE(CliCalls(log).empty());
}

} // namespace
