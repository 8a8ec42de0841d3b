// rkdb2 sources and resolve against a store with the same alias in the
// directory, in db2cli.ini and in db2dsdriver.cfg, an alias only the XML
// names (SSL from its <database> parameters) and one only the INI names;
// the files found through DB2CLIINIPATH (a file) and DB2DSDRIVER_CFG_PATH (a
// list whose first item is missing). No planted password appears in any
// output.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ChildProcess.h"
#include "SimStore.h"
#include "TestEnv.h"
#include "TestPaths.h"
#include "db2config/ConfigurationFiles.h"
#include "os/Files.h"
#include "os/Paths.h"

namespace {

using Json = nlohmann::json;

constexpr const char* kIniPassword = "iniSecret1";
constexpr const char* kXmlPassword = "xmlSecret2";

class DataSources : public testing::Test {
protected:
    rk::test::SimStore store;
    const std::string dir = store.Directory() + "/cfg";
    const std::string ini = dir + "/client.ini";
    const std::string xml = dir + "/db2dsdriver.cfg";

    void SetUp() override
    {
        store.WriteNodes({{"DB2LNX", "db2lnx.example.com", "50000", "", "DB2INST1", 18}});
        store.WriteDatabases({{"SALES", "SALES", "DB2LNX", "", "", "9.07", "", '1', 0, -1, "", ""}});
        rk::os::MakeDirectory(dir);
        std::ofstream(ini) << "; the CLI's data sources\n[COMMON]\nTrace=0\n\n[sales]\nDatabase=SALESINI\n"
                              "Hostname=ini.example.com\nPort=50100\nPWD="
                           << kIniPassword << "\n\n[INIONLY]\nDatabase=INIDB\nHostname=ini2.example.com\n"
                           << "ServiceName=50101\nAuthentication=SERVER_ENCRYPT\n";
        std::ofstream(xml) << "<?xml version=\"1.0\"?>\n<configuration>\n <dsncollection>\n"
                              "  <dsn alias=\"SALES\" name=\"SALESXML\" host=\"xml.example.com\" port=\"50200\"/>\n"
                              "  <dsn alias=\"TLSXML\" name=\"TLSDB\" host=\"tls.example.com\" port=\"50443\">\n"
                              "   <parameter name=\"Password\" value=\""
                           << kXmlPassword
                           << "\"/>\n  </dsn>\n </dsncollection>\n <databases>\n"
                              "  <database name=\"TLSDB\" host=\"tls.example.com\" port=\"50443\">\n"
                              "   <parameter name=\"SecurityTransportMode\" value=\"SSL\"/>\n"
                              "  </database>\n </databases>\n</configuration>\n";
        rk::os::SetEnv("DB2CLIINIPATH", rk::os::PlatformPath(ini));
        rk::os::SetEnv("DB2DSDRIVER_CFG_PATH", rk::os::PlatformPath(dir + "/missing") +
                                                   rk::db2config::PathListSeparator() + rk::os::PlatformPath(dir));
    }
    void TearDown() override
    {
        rk::os::UnsetEnv("DB2CLIINIPATH");
        rk::os::UnsetEnv("DB2DSDRIVER_CFG_PATH");
        std::remove(ini.c_str());
        std::remove(xml.c_str());
        rk::os::RemoveEmptyDirectory(dir);
    }

    Json Output(std::vector<std::string> args, int expectedExit = 0)
    {
        std::string output;
        EXPECT_EQ(expectedExit, rk::test::RunRkdb2(args, output)) << output;
        return Json::parse(output, nullptr, false);
    }
};

TEST_F(DataSources, EachSourceInTheClientsOrderAndTheFirstNameWins)
{
    const Json sources = Output({"sources", "--format", "json"});
    ASSERT_TRUE(sources.is_array()) << sources;
    std::vector<std::string> rows;
    for (const auto& s : sources)
        rows.push_back(s["alias"].get<std::string>() + " " + s["source"].get<std::string>() + " " +
                       s["database"].get<std::string>() + " " + s["host"].get<std::string>() + ":" +
                       s["port"].get<std::string>() + " " + s["security"].get<std::string>() + " " +
                       (s["line"].is_null() ? "-" : std::to_string(s["line"].get<int>())) +
                       (s["shadowed"].get<bool>() ? " shadowed" : ""));
    const std::vector<std::string> expected = {
        "SALES directory SALES db2lnx.example.com:50000 NONE -",
        "sales db2cli.ini SALESINI ini.example.com:50100 NONE 5 shadowed",
        "INIONLY db2cli.ini INIDB ini2.example.com:50101 NONE 11",
        "SALES db2dsdriver.cfg SALESXML xml.example.com:50200 NONE 4 shadowed",
        "TLSXML db2dsdriver.cfg TLSDB tls.example.com:50443 SSL 5",
        "TLSDB db2dsdriver.cfg TLSDB tls.example.com:50443 SSL 10",
    };
    EXPECT_EQ(expected, rows);
    EXPECT_EQ("SERVER_ENCRYPT", sources[2]["authentication"]);

    const Json resolved = Output({"resolve", "Sales", "--json"});
    EXPECT_EQ("directory", resolved["winner"]["source"]) << resolved;
    ASSERT_EQ(2u, resolved["shadows"].size()) << resolved;
    EXPECT_EQ("db2cli.ini", resolved["shadows"][0]["source"]);
    EXPECT_EQ("db2dsdriver.cfg", resolved["shadows"][1]["source"]);
    EXPECT_EQ("SSL", Output({"resolve", "TLSXML", "--json"})["winner"]["security"]);
    EXPECT_TRUE(Output({"resolve", "NOSUCH", "--json"}, 1)["winner"].is_null());
}

TEST_F(DataSources, NoPasswordInAnyOutput)
{
    const std::vector<std::vector<std::string>> commands = {
        {"sources"},
        {"sources", "--format", "csv"},
        {"sources", "--format", "json"},
        {"resolve", "SALES"},
        {"resolve", "TLSXML", "--json"},
        {"export", "--format", "json"},
        {"status"},
        {"status", "--json"},
    };
    // A malformed line holding a password: its fault is told without it.
    std::ofstream(ini, std::ios::app) << "\n[BROKEN]\nPWD " << kIniPassword << "\n";
    for (const auto& command : commands) {
        std::string output;
        rk::test::RunRkdb2(command, output);
        EXPECT_EQ(std::string::npos, output.find(kIniPassword)) << command[0] << "\n" << output;
        EXPECT_EQ(std::string::npos, output.find(kXmlPassword)) << command[0] << "\n" << output;
    }
}

} // namespace
