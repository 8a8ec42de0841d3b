// DB2's error text as a host receives it from the exports: the stand-in's
// message and SQLSTATE texts composed by the library, on a client of the
// older directory route, which reports an empty system database directory
// as a warning (SQLCODE 1057) and so fails the population. Each row sets up
// a store (or an injected SQLCODE, for codes the library never meets
// otherwise), runs one export that fails and compares the whole text.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "CallLog.h"
#include "HostLibrary.h"
#include "TestEnv.h"
#include "TestPaths.h"

namespace {

enum class Export { kPopulate, kCatalog, kUncatalog };

struct FailedExport {
    const char* name;
    const char* nodes;     // nodes.txt, or null for none
    const char* databases; // databases.txt, or null for none
    const char* faults;    // RKDB2_SIM_FAULTS, or null
    Export call;
    const char* first; // CatalogDatabase's host and database, UncatalogDatabase's alias and node
    const char* second;
    const char* text;
};

const FailedExport kFailedExports[] = {
    {"EmptyDatabaseDirectory", "\n", "\n", nullptr, Export::kPopulate, nullptr, nullptr,
     "SQL1057W  The system database directory is empty.  SQLSTATE=01606\r\n"
     "SQLCODE = 1057\r\nSQLSTATE = \"01606\"\r\n"
     "01606: The node or system database directory is empty.\n"},
    {"NoMoreEntries", "\n", "[database SAMPLE]\n", "sqledgne_api=1014", Export::kPopulate, nullptr, nullptr,
     "SQL1014W  There are no more entries in the directory, file, or list being scanned.\r\n"
     "SQLCODE = 1014\r\nSQLSTATE = \"02000\"\r\n"
     "02000: No row was found for FETCH, UPDATE or DELETE; or the result of a query is an empty table.\n"},
    {"EmptyNodeDirectory", "\n", "\n", "sqledosd_api=1037", Export::kPopulate, nullptr, nullptr,
     "SQL1037W  The node directory is empty.  SQLSTATE=01606\r\n"
     "SQLCODE = 1037\r\nSQLSTATE = \"01606\"\r\n"
     "01606: The node or system database directory is empty.\n"},
    {"DamagedNodeDirectory", "[node N1]\nstray text\n", "\n", nullptr, Export::kPopulate, nullptr, nullptr,
     "SQL1038C  An I/O error occurred while accessing the node directory.  SQLSTATE=58031\r\n"
     "SQLCODE = -1038\r\nSQLSTATE = \"58031\"\r\n"
     "58031: The connection was unsuccessful because of a system error.\n"},
    {"DatabaseDirectoryIoError", "\n", "\n", "sqledosd_api=-1039", Export::kPopulate, nullptr, nullptr,
     "SQL1039C  An I/O error occurred while accessing the database directory.  SQLSTATE=58031\r\n"
     "SQLCODE = -1039\r\nSQLSTATE = \"58031\"\r\n"
     "58031: The connection was unsuccessful because of a system error.\n"},
    {"DamagedDatabaseDirectory", "\n", "[database D1\n", nullptr, Export::kPopulate, nullptr, nullptr,
     "SQL10004C  An I/O error occurred while accessing the database directory.  SQLSTATE=58031\r\n"
     "SQLCODE = -10004\r\nSQLSTATE = \"58031\"\r\n"
     "58031: The connection was unsuccessful because of a system error.\n"},
    {"NodeScansExhausted", "\n", "\n", "sqlenops_api@12=-1095", Export::kPopulate, nullptr, nullptr,
     "SQL1095N  There are already eight node directory scans open.  SQLSTATE=54029\r\n"
     "SQLCODE = -1095\r\nSQLSTATE = \"54029\"\r\n"
     "54029: The maximum number of open directory scans has been reached.\n"},
    {"DatabaseScansExhausted", "\n", "\n", "sqledosd_api=-1056", Export::kPopulate, nullptr, nullptr,
     "SQL1056N  There are already eight database directory scans open.  SQLSTATE=54029\r\n"
     "SQLCODE = -1056\r\nSQLSTATE = \"54029\"\r\n"
     "54029: The maximum number of open directory scans has been reached.\n"},
    {"NodeExists", "[node warehous]\nhost = h\nservice = 1\n", "\n", nullptr, Export::kCatalog, "warehouse7", "SALES",
     "SQL1018N  The node name \"warehous\" specified in the CATALOG NODE command already exists.\r\n"
     "SQLCODE = -1018\r\nSQLSTATE = \"42710\"\r\n"
     "42710: A duplicate object or constraint name was detected.\n"},
    {"InvalidNodeName", "\n", "\n", nullptr, Export::kCatalog, "db2.example.com", "SALES",
     "SQL1019N  The node name \"db2.exam\" specified in the command is not valid.\r\n"
     "SQLCODE = -1019\r\nSQLSTATE = \"42602\"\r\n"
     "42602: A character that is invalid in a name has been detected.\n"},
    {"NodeNotCatalogued", "\n", "\n", "sqlecadb_api=1100", Export::kCatalog, "third", "HR",
     "SQL1100W  The node name \"\" specified in the Catalog Database command has not been cataloged in the Node "
     "Directory.\r\n"
     "SQLCODE = 1100\r\nSQLSTATE = \"01000\"\r\n"
     "01000: A warning was returned.\n"},
    {"NodeNotFound", "\n", "[database SALES]\nname = SALES\n", nullptr, Export::kUncatalog, "SALES", "NOSUCH",
     "SQL1021N  The node name \"NOSUCH\" specified in the UNCATALOG NODE command was not found.\r\n"
     "SQLCODE = -1021\r\nSQLSTATE = \"42704\"\r\n"
     "42704: An undefined object or constraint name was detected.\n"},
};

class ErrorTextExport : public testing::TestWithParam<FailedExport> { };

TEST_P(ErrorTextExport, FailedExportGivesDb2sComposedText)
{
    const FailedExport& row = GetParam();
    const std::string home = rk::test::TemporaryPath("rkdb2-errortext");
    ASSERT_TRUE(std::filesystem::create_directory(home));
    if (row.nodes != nullptr)
        std::ofstream(home + "/nodes.txt") << row.nodes;
    if (row.databases != nullptr)
        std::ofstream(home + "/databases.txt") << row.databases;
    rk::test::ScopedEnv store("RKDB2_SIM_HOME", home);
    std::unique_ptr<rk::test::ScopedFaults> faults;
    if (row.faults != nullptr)
        faults = std::make_unique<rk::test::ScopedFaults>(row.faults);

    rk::host::HostLibrary library;
    char text[1024] = {};
    switch (row.call) {
    case Export::kPopulate: {
        RkDatabaseList* list = library.CRkDatabaseListNew();
        ASSERT_NE(nullptr, list);
        RkDatabaseEntry* first = nullptr;
        EXPECT_EQ(0, library.CRkDatabaseListPopulate(list, &first));
        library.CRkDatabaseListGetError(list, text, sizeof text);
        break;
    }
    case Export::kCatalog: EXPECT_EQ(0, library.CatalogDatabase(row.first, row.second, text, sizeof text)); break;
    case Export::kUncatalog: EXPECT_EQ(0, library.UncatalogDatabase(row.first, row.second, text, sizeof text)); break;
    }
    EXPECT_STREQ(row.text, text);

    std::filesystem::remove_all(home);
}

INSTANTIATE_TEST_SUITE_P(Db2Messages, ErrorTextExport, testing::ValuesIn(kFailedExports),
                         [](const testing::TestParamInfo<FailedExport>& row) { return row.param.name; });

} // namespace
