// rkdb2 doctor: a store with each catalogue fault once reports each with its
// mending commands, and running those commands leaves only the faults no
// rkdb2 command mends; and one alias's connection steps told apart in DB2's
// terms, on loopback only: a refused port, a host under the reserved
// .invalid domain, an open port, a port whose backlog is full (a timeout),
// a plain listener where the node says SSL, the TLS listener of the tests
// (tls_listener.py, its port in RKDB2_TEST_TLS_PORT_FILE) and, against the
// PostgreSQL server, a connection test that passes and one that fails.

#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ChildProcess.h"
#include "SimStore.h"
#include "TestEnv.h"
#include "TestPaths.h"
#include "os/Environment.h"
#include "os/Files.h"
#include "os/LoadedLibrary.h"
#include "os/Paths.h"
#include "os/Process.h"
#include "os/Socket.h"

namespace {

using Json = nlohmann::json;

Json RunDoctor(std::vector<std::string> args, int expectedExit, const std::string& input = "")
{
    std::string output;
    args.insert(args.begin(), "doctor");
    args.push_back("--json");
    EXPECT_EQ(expectedExit, rk::test::RunRkdb2(args, output, input)) << output;
    const Json document = Json::parse(output, nullptr, false);
    EXPECT_FALSE(document.is_discarded()) << output;
    return document;
}

class DoctorFindings : public testing::Test {
protected:
    rk::test::SimStore store;
    const std::string ini = store.Directory() + "/db2cli.ini";

    void SetUp() override
    {
        store.WriteNodes({{"NODEA", "db.example.com", "50000"},
                          {"NODEB", "DB.example.com", "50000"},
                          {"SPARE", "spare.example.com", "50001"},
                          {"NODEC", "c.example.com", "50002"}});
        store.WriteDatabases(
            {{"DB1", "DB1", "NODEA", "", "", "", "", '1', 255, -1},
             {"DB2", "DB2", "NODEB", "", "", "", "", '1', 255, -1},
             {"GHOST", "GHOST", "GONE", "", "", "", "", '1', 255, -1},
             {"SALES", "SALES", "NODEC", "", "", "", "", '1', 255, -1},
             {"EIGHTCHR", "EIGHTCHR", "NODEC", "", "", "", "thirty characters of a comment", '1', 255, -1}});
        std::ofstream(ini) << "[SALES]\nDatabase=SALESINI\nHostname=ini.example.com\nPort=50100\nnot a line\n";
        rk::os::SetEnv("DB2CLIINIPATH", rk::os::PlatformPath(ini));
    }
    void TearDown() override
    {
        rk::os::UnsetEnv("DB2CLIINIPATH");
        std::remove(ini.c_str());
    }

    static std::vector<std::string> Rows(const Json& document)
    {
        std::vector<std::string> rows;
        for (const auto& finding : document["findings"]) {
            std::string row = finding["severity"].get<std::string>() + " " + finding["kind"].get<std::string>() + " " +
                              finding["subject"].get<std::string>();
            for (const auto& step : finding["mend"])
                row += " | " + step.get<std::string>();
            rows.push_back(row);
        }
        return rows;
    }
};

TEST_F(DoctorFindings, EachFaultWithItsMendAndTheMendsWork)
{
    const std::string iniPlace = rk::os::PlatformPath(ini);
    const std::vector<std::string> expected = {
        "warning file-fault " + iniPlace + " | correct that line: the client passes over it",
        "error orphan-database GHOST | rkdb2 uncatalog-database GHOST",
        "warning duplicate-node NODEA | rkdb2 uncatalog-database DB2 | rkdb2 catalog-database DB2 --node NODEA | "
        "rkdb2 uncatalog-node NODEB",
        "warning unused-node SPARE | rkdb2 uncatalog-node SPARE",
        "warning conflicting-alias SALES | remove or rename the section [SALES] at line 1 of " + iniPlace,
        "note name-at-limit EIGHTCHR",
        "note name-at-limit database EIGHTCHR",
    };
    const Json before = RunDoctor({}, 1);
    ASSERT_EQ(expected, Rows(before)) << before.dump(2);
    EXPECT_TRUE(before["client"][0]["loaded"].get<bool>());

    // Every mend that is an rkdb2 command, run as written.
    for (const auto& finding : before["findings"])
        for (const auto& step : finding["mend"]) {
            std::istringstream words(step.get<std::string>());
            std::vector<std::string> args;
            for (std::string word; words >> word;)
                args.push_back(word);
            if (args.empty() || args[0] != "rkdb2")
                continue;
            args.erase(args.begin());
            std::string output;
            EXPECT_EQ(0, rk::test::RunRkdb2(args, output)) << step << "\n" << output;
        }
    const std::vector<std::string> left = {expected[0], expected[4], expected[5], expected[6]};
    EXPECT_EQ(left, Rows(RunDoctor({}, 1)));
}

// The other bitness's client where this bitness's is missing, in one
// sentence. Windows only: Linux names both bitnesses' files alike.
TEST(DoctorClient, TheOtherBitnessesClientIsNamed)
{
    if (!rk::os::CanSetLibrarySearchDirectory())
        GTEST_SKIP() << "the client's files have one name for both bitnesses here";
    const std::string dir = rk::test::TemporaryPath("rkdb2-other-bitness");
    rk::os::MakeDirectory(dir);
    const std::string other = sizeof(void*) == 4 ? "db2app64.dll" : "db2app.dll";
    std::ofstream(dir + "/" + other) << "not a library";
    EXPECT_EQ(1, rk::os::RunProcess(rk::test::ExecutableDir() + "/" + rk::os::ExecutableFileName("rkdb2"),
                                    {"--client-dir", rk::os::PlatformPath(dir), "doctor"}, dir + "/out.txt"));
    std::string output;
    std::ifstream file(dir + "/out.txt");
    output.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    file.close();
    EXPECT_NE(std::string::npos, output.find("client's " + other + " are in")) << output;
    std::remove((dir + "/out.txt").c_str());
    std::remove((dir + "/" + other).c_str());
    rk::os::RemoveEmptyDirectory(dir);
}

// A listener of the test's own on loopback: accepts and, when told, writes
// a line that is no TLS and closes.
class PlainListener {
public:
    explicit PlainListener(int backlog, bool answer) : m_answer(answer)
    {
        rk::os::NetError error;
        EXPECT_TRUE(m_listener.ListenOnLoopback(backlog, error)) << error.text;
        if (m_answer)
            m_thread = std::thread([this] { Serve(); });
    }
    ~PlainListener()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    std::string Port() const { return std::to_string(m_listener.Port()); }

private:
    rk::os::TcpListener m_listener;
    bool m_answer;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;

    void Serve()
    {
        while (!m_stop) {
            rk::os::TcpConnection connection;
            rk::os::NetError error;
            if (m_listener.Accept(connection, 100, error)) {
                const char line[] = "plain text\r\n";
                connection.SendAll(line, sizeof line - 1, error);
            }
        }
    }
};

std::string ClosedPort()
{
    rk::os::TcpListener listener;
    rk::os::NetError error;
    EXPECT_TRUE(listener.ListenOnLoopback(1, error)) << error.text;
    return std::to_string(listener.Port()); // closed again when it returns
}

std::string TlsListenerPort()
{
    std::ifstream file(rk::os::GetEnv("RKDB2_TEST_TLS_PORT_FILE"));
    std::string port;
    file >> port;
    return port;
}

struct StepCase {
    const char* name;
    std::string host;
    std::string port;
    bool ssl;
    std::vector<std::string> extra; // more doctor options
    const char* failedStep;         // nullptr: every step passes
    int sqlcode;
    std::string messagePart;
};

TEST(DoctorAlias, EachStepsFailureInDb2Terms)
{
    const PlainListener open(8, false);
    const PlainListener plain(8, true);
    // A backlog of none, filled by one connection: the next one's SYN is
    // dropped, and the connection times out.
    const PlainListener full(0, false);
    rk::os::TcpConnection filler;
    {
        std::vector<rk::os::SocketAddress> addresses;
        rk::os::NetError error;
        ASSERT_TRUE(rk::os::ResolveHost("127.0.0.1", full.Port(), addresses, error));
        ASSERT_TRUE(filler.Connect(addresses[0], 1000, error)) << error.text;
    }
    const std::string tlsPort = TlsListenerPort();
    ASSERT_FALSE(tlsPort.empty()) << "no TLS listener: RKDB2_TEST_TLS_PORT_FILE";
    const std::string refused = std::to_string(rk::os::ConnectionRefusedCode());
    const std::string timedOut = std::to_string(rk::os::TimedOutCode());

    const std::vector<StepCase> cases = {
        {"REFUSED",
         "127.0.0.1",
         ClosedPort(),
         false,
         {},
         "tcp",
         -30081,
         "function detecting the error: \"connect\".  Protocol specific error code(s): \"" + refused + "\""},
        {"NOHOST",
         "db2.doctor.invalid",
         "50000",
         false,
         {},
         "host",
         -1336,
         "SQL1336N  The remote host \"db2.doctor.invalid\" was not found."},
        {"OPEN", "127.0.0.1", open.Port(), false, {}, nullptr, 0, ""},
        {"FULL",
         "127.0.0.1",
         full.Port(),
         false,
         {"--timeout", "1"},
         "tcp",
         -30081,
         "Protocol specific error code(s): \"" + timedOut + "\""},
        {"PLAIN",
         "127.0.0.1",
         plain.Port(),
         true,
         {},
         "tls",
         -30081,
         "function detecting the error: \"sqlccSSLSocketSetup\""},
        {"TLS", "localhost", tlsPort, true, {}, nullptr, 0, ""},
    };
    rk::test::SimStore store;
    std::vector<rk::test::StoreNode> nodes;
    std::vector<rk::test::StoreDatabase> databases;
    for (const auto& c : cases) {
        nodes.push_back({c.name, c.host, c.port, "", "", 18, 3, c.ssl ? 2 : 0});
        databases.push_back({c.name, c.name, c.name, "", "", "", "", '1', 255, -1});
    }
    databases.push_back({"ORPHAN", "ORPHAN", "GONE", "", "", "", "", '1', 255, -1});
    store.WriteNodes(nodes);
    store.WriteDatabases(databases);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {c.name};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const Json report = RunDoctor(args, c.failedStep ? 1 : 0);
        std::string failed;
        for (const auto& step : report["steps"])
            if (step["outcome"] == "failed")
                failed = step["step"];
        EXPECT_EQ(c.failedStep ? c.failedStep : "", failed) << report.dump(2);
        if (c.failedStep) {
            EXPECT_EQ(c.sqlcode, report["diagnosis"]["sqlcode"]) << report.dump(2);
            EXPECT_NE(std::string::npos, report["diagnosis"]["message"].get<std::string>().find(c.messagePart))
                << report.dump(2);
            EXPECT_FALSE(report["diagnosis"]["causes"].empty());
        } else {
            EXPECT_TRUE(report["diagnosis"].is_null()) << report.dump(2);
        }
    }
    const Json tls = RunDoctor({"TLS"}, 0)["steps"][3];
    EXPECT_EQ("passed", tls["outcome"]) << tls.dump(2);
    EXPECT_EQ(0u, tls["tls"]["protocol"].get<std::string>().rfind("TLSv1", 0)) << tls.dump(2);
    EXPECT_NE(std::string::npos, tls["tls"]["subject"].get<std::string>().find("CN=doctor.rkdb2.test"));
    EXPECT_FALSE(tls["tls"]["expired"].get<bool>());

    EXPECT_EQ(-1013, RunDoctor({"NOSUCH"}, 1)["diagnosis"]["sqlcode"]);
    EXPECT_EQ(-1097, RunDoctor({"ORPHAN"}, 1)["diagnosis"]["sqlcode"]);
}

// The connection test, the last step, against the PostgreSQL server behind
// an alias db2dsdriver.cfg names; the password from standard input.
TEST(DoctorAliasConnection, PassesAndFailsAsTheServerSays)
{
    const std::string port = rk::os::GetEnv("RK_PG_PORT").empty() ? "54329" : rk::os::GetEnv("RK_PG_PORT");
    const std::string cfg = rk::test::TemporaryPath("rkdb2-doctor") + ".cfg";
    std::ofstream(cfg) << "<configuration><dsncollection>\n<dsn alias=\"PGDOC\" name=\"testdb\" host=\"127.0.0.1\" "
                          "port=\""
                       << port << "\"/>\n</dsncollection></configuration>\n";
    const rk::test::ScopedEnv path("DB2DSDRIVER_CFG_PATH", rk::os::PlatformPath(cfg));
    const Json passed = RunDoctor({"PGDOC", "--user", "tester"}, 0, "testpw\n");
    EXPECT_EQ("passed", passed["steps"][4]["outcome"]) << passed.dump(2);
    const Json failed = RunDoctor({"PGDOC", "--user", "tester"}, 1, "wrong\n");
    EXPECT_EQ("connect", failed["steps"][4]["step"]);
    EXPECT_EQ(-30082, failed["diagnosis"]["sqlcode"]) << failed.dump(2);
    std::remove(cfg.c_str());
}

} // namespace
