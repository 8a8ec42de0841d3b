// RkConnect against real data sources through the system's ODBC driver
// manager: a SQLite database file and the PostgreSQL server of the tests.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ConnectTestSupport.h"
#include "TestEnv.h"
#include "TestPaths.h"
#include "db2/Db2Files.h"
#include "os/Environment.h"
#include "os/Paths.h"
#include "os/Socket.h"

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

// A data source db2dsdriver.cfg alone names: the stand-in's CLI resolves it
// as DB2 does and reaches the server behind it; the same at a port nothing
// listens at is DB2's communication error.
TEST_F(ConnectPostgres, AnAliasOnlyTheDsDriverCfgNamesReachesItsServer)
{
    const std::string port = rk::os::GetEnv("RK_PG_PORT").empty() ? "54329" : rk::os::GetEnv("RK_PG_PORT");
    const std::string cfg = rk::test::TemporaryPath("rkdb2-dsdriver") + ".cfg";
    std::ofstream(cfg)
        << "<configuration><dsncollection>\n<dsn alias=\"PGXML\" name=\"testdb\" host=\"127.0.0.1\" port=\"" << port
        << "\"/>\n<dsn alias=\"CLOSED\" name=\"testdb\" host=\"127.0.0.1\" port=\"1\"/>\n"
        << "</dsncollection></configuration>\n";
    const rk::test::ScopedEnv path("DB2DSDRIVER_CFG_PATH", rk::os::PlatformPath(cfg));
    const auto reached = Connect(library, "PGXML", "tester", "testpw");
    EXPECT_EQ(1, reached.result) << reached.Message();
    EXPECT_EQ(std::string("PostgreS", 8), reached.DbmsField());
    const auto refused = Connect(library, "CLOSED", "tester", "testpw");
    EXPECT_EQ(0, refused.result);
    const auto blocks = ParseMessage(refused.Message());
    ASSERT_TRUE(blocks && !blocks->empty() && !(*blocks)[0].empty()) << refused.Message();
    EXPECT_EQ(-30081, (*blocks)[0][0].nativeError);
    EXPECT_NE(std::string::npos, (*blocks)[0][0].text.find("SQL30081N  A communication error has been detected."))
        << refused.Message();
    EXPECT_NE(std::string::npos,
              (*blocks)[0][0].text.find("Protocol specific error code(s): \"" +
                                        std::to_string(rk::os::ConnectionRefusedCode()) + "\", \"*\", \"*\""))
        << refused.Message();
    std::remove(cfg.c_str());
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

// No DB2 source names it and no ODBC data source of the system stands in:
// DB2's SQL1013N, as a client reports it.
TEST_F(ConnectOdbc, UnknownDataSourceNameReportsSql1013N)
{
    const auto outcome = Connect(library, "RkNoSuchSource", "user", "password");
    EXPECT_EQ(0, outcome.result);
    const auto blocks = ParseMessage(outcome.Message());
    ASSERT_TRUE(blocks) << outcome.Message();
    ASSERT_EQ(2u, blocks->size()) << outcome.Message();
    ASSERT_EQ(1u, (*blocks)[0].size()) << outcome.Message();
    EXPECT_EQ("08001", (*blocks)[0][0].sqlstate);
    EXPECT_EQ(-1013, (*blocks)[0][0].nativeError);
    EXPECT_EQ("[IBM][CLI Driver] SQL1013N  The database alias name or database name \"RkNoSuchSource\" could not be "
              "found.  SQLSTATE=42705",
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
