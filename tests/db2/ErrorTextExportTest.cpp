// DB2's error text as a host receives it from CRkDatabaseListGetError: the
// stand-in's message and SQLSTATE texts composed by the library, on a client
// of the older directory route, which reports an empty system database
// directory as a warning (SQLCODE 1057) and so fails the population.

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "HostLibrary.h"
#include "TestEnv.h"
#include "TestPaths.h"

namespace {

TEST(ErrorTextExport, EmptyDirectoryWarningOnTheOlderRouteReachesTheHostComposed)
{
    const std::string home = rk::test::TemporaryPath("rkdb2-errortext");
    ASSERT_TRUE(std::filesystem::create_directory(home));
    std::ofstream(home + "/nodes.txt").put('\n');
    std::ofstream(home + "/databases.txt").put('\n');
    rk::test::ScopedEnv store("RKDB2_SIM_HOME", home);

    rk::host::HostLibrary library;
    RkDatabaseList* list = library.CRkDatabaseListNew();
    ASSERT_NE(nullptr, list);
    RkDatabaseEntry* first = nullptr;
    EXPECT_EQ(0, library.CRkDatabaseListPopulate(list, &first));

    char text[1024];
    library.CRkDatabaseListGetError(list, text, sizeof text);
    EXPECT_STREQ("SQL1057W  The system database directory is empty.  SQLSTATE=01606\r\n"
                 "SQLCODE = 1057\r\n"
                 "SQLSTATE = \"01606\"\r\n"
                 "01606: The node or system database directory is empty.\n",
                 text);

    std::filesystem::remove_all(home);
}

} // namespace
