// The connection test's CLI calls, their arguments and their order, seen
// through an in-process CLI: what the stand-in's call log cannot show
// (handle types, lengths, which handle a block is read from).

#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "connect/CRkConnectionCheck.h"
#include "db2/CRkDb2CliLib.h"
#include "rkdb2rova.h"

using namespace rk::db2;

namespace {

struct FakeCli {
    std::vector<std::string> calls;
    CliReturn allocDbcResult = kCliSuccess;
    CliReturn connectResult = kCliSuccess;
    std::string dbmsName = "SQLite";
    short reportedNameLength = 6;
    int records = 0;
    const unsigned char* dataSource = nullptr;
    const unsigned char* user = nullptr;
    const unsigned char* password = nullptr;
};

FakeCli g_cli;
std::mutex g_callsMutex;
int g_envToken;
int g_dbcToken;

void Record(const std::string& call)
{
    std::lock_guard<std::mutex> lock(g_callsMutex);
    g_cli.calls.push_back(call);
}

std::string Name(CliHandle handle)
{
    if (handle == nullptr)
        return "null";
    return handle == &g_envToken ? "env" : handle == &g_dbcToken ? "dbc" : "other";
}

CliReturn RK_DB2_CALL FakeAllocHandle(short type, CliHandle input, CliHandle* output)
{
    Record("SQLAllocHandle(" + std::to_string(type) + "," + Name(input) + ")");
    if (type == kCliHandleEnv) {
        *output = &g_envToken;
        return kCliSuccess;
    }
    *output = &g_dbcToken;
    return g_cli.allocDbcResult;
}

CliReturn RK_DB2_CALL FakeFreeHandle(short type, CliHandle handle)
{
    Record("SQLFreeHandle(" + std::to_string(type) + "," + Name(handle) + ")");
    return kCliSuccess;
}

CliReturn RK_DB2_CALL FakeConnect(CliHandle dbc, unsigned char* dataSource, short dataSourceLength, unsigned char* user,
                                  short userLength, unsigned char* password, short passwordLength)
{
    Record("SQLConnect(" + Name(dbc) + "," + std::to_string(dataSourceLength) + "," + std::to_string(userLength) + "," +
           std::to_string(passwordLength) + ")");
    g_cli.dataSource = dataSource;
    g_cli.user = user;
    g_cli.password = password;
    return g_cli.connectResult;
}

CliReturn RK_DB2_CALL FakeDisconnect(CliHandle dbc)
{
    Record("SQLDisconnect(" + Name(dbc) + ")");
    return kCliSuccess;
}

CliReturn RK_DB2_CALL FakeGetInfo(CliHandle dbc, unsigned short infoType, void* value, short bufferLength,
                                  short* stringLength)
{
    Record("SQLGetInfo(" + Name(dbc) + "," + std::to_string(infoType) + "," + std::to_string(bufferLength) + ")");
    std::memcpy(value, g_cli.dbmsName.c_str(), g_cli.dbmsName.size() + 1);
    *stringLength = g_cli.reportedNameLength;
    return kCliSuccess;
}

CliReturn RK_DB2_CALL FakeGetDiagRec(short type, CliHandle handle, short record, unsigned char* sqlstate,
                                     CliInteger* nativeError, unsigned char* text, short bufferLength,
                                     short* textLength)
{
    Record("SQLGetDiagRec(" + std::to_string(type) + "," + Name(handle) + "," + std::to_string(record) + "," +
           std::to_string(bufferLength) + ")");
    if (record > g_cli.records)
        return kCliNoData;
    std::memcpy(sqlstate, "HY000", 6);
    *nativeError = record;
    std::strcpy(reinterpret_cast<char*>(text), "made up");
    *textLength = 7;
    return kCliSuccess;
}

class FakeLoader final : public rk::platform::CRkLibraryLoader {
public:
    int loads = 0;
    SQLConnectFn connect = &FakeConnect;

    rk::platform::LibraryHandle Load(const std::string&) override
    {
        ++loads;
        return &g_envToken;
    }
    rk::platform::EntryPoint Lookup(rk::platform::LibraryHandle, const char* name) override
    {
        const std::string entry(name);
        if (entry == "SQLAllocHandle")
            return reinterpret_cast<rk::platform::EntryPoint>(&FakeAllocHandle);
        if (entry == "SQLFreeHandle")
            return reinterpret_cast<rk::platform::EntryPoint>(&FakeFreeHandle);
        if (entry == "SQLConnect")
            return reinterpret_cast<rk::platform::EntryPoint>(connect);
        if (entry == "SQLDisconnect")
            return reinterpret_cast<rk::platform::EntryPoint>(&FakeDisconnect);
        if (entry == "SQLGetInfo")
            return reinterpret_cast<rk::platform::EntryPoint>(&FakeGetInfo);
        if (entry == "SQLGetDiagRec")
            return reinterpret_cast<rk::platform::EntryPoint>(&FakeGetDiagRec);
        return nullptr;
    }
    void Release(rk::platform::LibraryHandle) override { }
};

class ConnectionTestCalls : public testing::Test {
protected:
    FakeLoader loader;
    CRkDb2CliLib cli{loader};
    char dbmsName[RKDB2_DBMS_NAME_SIZE + 1];
    std::string message = std::string(RKDB2_CONNECT_MESSAGE_MAX, '#');

    void SetUp() override
    {
        g_cli = FakeCli{};
        std::memset(dbmsName, '#', sizeof dbmsName);
    }

    bool Run(const char* dataSource = "DSN", const char* user = "user", const char* password = "password")
    {
        return CRkConnectionCheck::Run(cli, dataSource, user, password, dbmsName, &message[0]);
    }
    std::string DbmsField() const { return std::string(dbmsName, RKDB2_DBMS_NAME_SIZE); }
};

TEST_F(ConnectionTestCalls, SuccessfulTestCallsTheCliInOrderAndReleasesEverything)
{
    EXPECT_TRUE(Run());
    EXPECT_EQ((std::vector<std::string>{"SQLAllocHandle(1,null)", "SQLAllocHandle(2,env)", "SQLConnect(dbc,-3,-3,-3)",
                                        "SQLGetInfo(dbc,17,255)", "SQLDisconnect(dbc)", "SQLFreeHandle(2,dbc)",
                                        "SQLFreeHandle(1,env)"}),
              g_cli.calls);
    EXPECT_EQ(std::string("SQLite\0\0", 8), DbmsField());
    EXPECT_EQ('#', dbmsName[RKDB2_DBMS_NAME_SIZE]);
    EXPECT_EQ('\0', message[0]);
    EXPECT_EQ('#', message[1]);
}

TEST_F(ConnectionTestCalls, ArgumentsReachSQLConnectUnchangedNullIncluded)
{
    const char* dataSource = "DSN";
    Run(dataSource, nullptr, nullptr);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(dataSource), g_cli.dataSource);
    EXPECT_EQ(nullptr, g_cli.user);
    EXPECT_EQ(nullptr, g_cli.password);
    Run(nullptr, "user", "password");
    EXPECT_EQ(nullptr, g_cli.dataSource);
}

TEST_F(ConnectionTestCalls, DbmsNameEndsAtTheReportedLength)
{
    g_cli.dbmsName = "PostgreSQL";
    g_cli.reportedNameLength = 4;
    Run();
    EXPECT_EQ(std::string("Post\0\0\0\0", 8), DbmsField());

    g_cli.reportedNameLength = 10;
    Run();
    EXPECT_EQ("PostgreS", DbmsField());
    EXPECT_EQ('#', dbmsName[RKDB2_DBMS_NAME_SIZE]);
}

TEST_F(ConnectionTestCalls, FailedConnectionIsReportedThenQueriedAndClosed)
{
    g_cli.connectResult = kCliSuccessWithInfo;
    g_cli.records = 1;
    EXPECT_FALSE(Run()) << "a warning fails the connection";
    EXPECT_EQ((std::vector<std::string>{"SQLAllocHandle(1,null)", "SQLAllocHandle(2,env)", "SQLConnect(dbc,-3,-3,-3)",
                                        "SQLGetDiagRec(2,dbc,1,1025)", "SQLGetDiagRec(2,dbc,2,1025)",
                                        "SQLGetInfo(dbc,17,255)", "SQLDisconnect(dbc)", "SQLFreeHandle(2,dbc)",
                                        "SQLFreeHandle(1,env)"}),
              g_cli.calls);
    EXPECT_EQ(std::string("SQLite\0\0", 8), DbmsField());
    EXPECT_EQ("\n  SQLSTATE          = HY000\n  Native Error Code = 1\nmade up\n\n-------------------------\n",
              message.substr(0, message.find('\0')));
}

TEST_F(ConnectionTestCalls, ConnectionHandleAllocatedWithAWarningIsReportedFromTheEnvironmentAndReleased)
{
    g_cli.allocDbcResult = kCliSuccessWithInfo;
    EXPECT_FALSE(Run());
    EXPECT_EQ((std::vector<std::string>{"SQLAllocHandle(1,null)", "SQLAllocHandle(2,env)",
                                        "SQLGetDiagRec(1,env,1,1025)", "SQLFreeHandle(2,dbc)", "SQLFreeHandle(1,env)"}),
              g_cli.calls);
}

TEST_F(ConnectionTestCalls, NullOutputsRefuseTheTestBeforeLoading)
{
    EXPECT_FALSE(CRkConnectionCheck::Run(cli, "DSN", "user", "password", nullptr, &message[0]));
    EXPECT_FALSE(CRkConnectionCheck::Run(cli, "DSN", "user", "password", dbmsName, nullptr));
    EXPECT_EQ(0, loader.loads);
    EXPECT_TRUE(g_cli.calls.empty());
    EXPECT_EQ(std::string(message.size(), '#'), message);
}

// The first test waits inside SQLConnect until a second test, on another
// thread, has run to its end: the test holds no lock while the CLI works.
std::promise<void> g_secondTestDone;
std::atomic<int> g_connects{0};

CliReturn RK_DB2_CALL ConnectWaitingForTheSecondTest(CliHandle, unsigned char*, short, unsigned char*, short,
                                                     unsigned char*, short)
{
    if (++g_connects == 1 &&
        g_secondTestDone.get_future().wait_for(std::chrono::minutes(1)) != std::future_status::ready)
        return kCliError;
    return kCliSuccess;
}

TEST(ConnectionTestConcurrency, AnotherTestRunsWhileOneWaitsForItsServer)
{
    g_cli = FakeCli{};
    FakeLoader loader;
    loader.connect = &ConnectWaitingForTheSecondTest;
    CRkDb2CliLib cli{loader};
    char dbmsNames[2][RKDB2_DBMS_NAME_SIZE];
    std::string messages[2] = {std::string(RKDB2_CONNECT_MESSAGE_MAX, '#'),
                               std::string(RKDB2_CONNECT_MESSAGE_MAX, '#')};

    auto slow = std::async(std::launch::async, [&] {
        return CRkConnectionCheck::Run(cli, "DSN", "user", "password", dbmsNames[0], &messages[0][0]);
    });
    while (g_connects.load() == 0)
        std::this_thread::yield();
    const bool second = CRkConnectionCheck::Run(cli, "DSN", "user", "password", dbmsNames[1], &messages[1][0]);
    g_secondTestDone.set_value();
    EXPECT_TRUE(second);
    EXPECT_TRUE(slow.get()) << "the first test gave up waiting: the second one was blocked";
    EXPECT_EQ(1, loader.loads);
}

} // namespace
