// The library's data-source list over malformed configuration files: each
// gives the directory's entries and whatever else parsed, and a fault that
// names the file, the line and what is wrong; nothing crashes and nothing
// is cut silently.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostLibrary.h"
#include "SimStore.h"
#include "TestEnv.h"
#include "TestPaths.h"
#include "os/Paths.h"

namespace {

class MalformedFiles : public testing::Test {
protected:
    rk::test::SimStore store; // before the library: the stand-in reads its home at every call
    rk::host::HostLibrary library;
    const std::string ini = store.Directory() + "/db2cli.ini";
    const std::string xml = store.Directory() + "/db2dsdriver.cfg";

    void SetUp() override
    {
        store.WriteNodes({{"N1", "h1", "1"}});
        store.WriteDatabases({{"DIRDB", "DIRDB", "N1"}});
        rk::os::SetEnv("DB2CLIINIPATH", rk::os::PlatformPath(store.Directory()));
        rk::os::SetEnv("DB2DSDRIVER_CFG_PATH", rk::os::PlatformPath(xml));
    }
    void TearDown() override
    {
        std::remove(ini.c_str());
        std::remove(xml.c_str());
        rk::os::UnsetEnv("DB2CLIINIPATH");
        rk::os::UnsetEnv("DB2DSDRIVER_CFG_PATH");
    }

    // "ALIAS@source" of every entry, and the faults.
    std::vector<std::string> Populate(std::string& faults)
    {
        RkDataSourceList* list = library.RkDataSourceListNew();
        RkDataSourceEntry* entry = nullptr;
        EXPECT_EQ(1, library.RkDataSourceListPopulate(list, &entry));
        std::vector<std::string> aliases;
        for (; entry != nullptr; entry = library.RkDataSourceListNext(list)) {
            RkDataSourceRecord record{};
            record.size = sizeof record;
            EXPECT_EQ(1, library.RkGetDataSourceRecord(entry, &record));
            aliases.push_back(std::string(record.alias) + "@" + std::to_string(record.source));
        }
        std::string text(65536, '\0');
        library.RkDataSourceListGetError(list, &text[0], static_cast<int>(text.size()));
        faults = text.c_str();
        return aliases;
    }
};

TEST_F(MalformedFiles, TheRestIsReadAndEachFaultNamesTheFileTheLineAndTheFault)
{
    const std::string good = "[GOOD]\nDatabase=G\nHostname=g\nPort=1\n";
    const std::string dsn = R"(<configuration><dsncollection><dsn alias="X1" name="X" host="x" port="2"/>)";
    const struct {
        const char* what;
        std::string iniText;
        std::string xmlText;
        std::vector<std::string> aliases;
        std::string fault;
    } cases[] = {
        {"broken XML",
         good,
         dsn + "\n<dsn alias=\"X2\" name=\"X\" host=\"x\" port=\"3\">\n<oops></dsncollection>",
         {"DIRDB@1", "GOOD@2", "X1@3", "X2@3"},
         "db2dsdriver.cfg, line 3: "},
        {"a section without a name",
         "[ ]\nDatabase=A\n\n" + good,
         "",
         {"DIRDB@1", "GOOD@2"},
         "db2cli.ini, line 1: a section without a name"},
        {"a port that is not a number",
         good + "[BAD]\nDatabase=B\nHostname=b\nPort=fifty\n",
         "",
         {"DIRDB@1", "GOOD@2"},
         "db2cli.ini, line 5: BAD: the port \"fifty\" is not a number"},
        {"a line that is no key",
         good + "Hostname\n",
         "",
         {"DIRDB@1", "GOOD@2"},
         "db2cli.ini, line 5: neither a [section] nor a key = value line"},
        {"a name over its limit",
         good,
         dsn + "<dsn alias=\"" + std::string(33, 'A') +
             "\" name=\"X\" host=\"x\" port=\"3\"/></dsncollection></configuration>",
         {"DIRDB@1", "GOOD@2", "X1@3"},
         "the data source name must have 1 to 32 characters"},
        {"a document type",
         "",
         "<!DOCTYPE c [<!ENTITY e \"e\">]>\n<configuration/>",
         {"DIRDB@1"},
         "db2dsdriver.cfg, line 1: "},
        {"several megabytes", std::string(3u << 20, ';') + "\n" + good, "", {"DIRDB@1", "GOOD@2"}, ""},
        {"too large", good + std::string(17u << 20, ';'), "", {"DIRDB@1"}, "db2cli.ini: larger than 16 MB; not read"},
    };
    for (const auto& c : cases) {
        std::ofstream(ini, std::ios::binary | std::ios::trunc) << c.iniText;
        std::ofstream(xml, std::ios::binary | std::ios::trunc) << c.xmlText;
        std::string faults;
        EXPECT_EQ(c.aliases, Populate(faults)) << c.what << "\n" << faults;
        if (c.fault.empty())
            EXPECT_EQ("", faults) << c.what;
        else
            EXPECT_NE(std::string::npos, faults.find(c.fault)) << c.what << "\n" << faults;
    }
}

} // namespace
