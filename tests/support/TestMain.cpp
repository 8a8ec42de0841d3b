// main() of every test program. On Windows the DB2 client directory of the
// test case (RKDB2_TEST_CLIENT_DIR) joins the DLL search path here; Linux
// reads LD_LIBRARY_PATH, which CTest sets, at process start.

#include <cstdlib>

#include <gtest/gtest.h>

#include "os/LoadedLibrary.h"

int main(int argc, char** argv)
{
    if (const char* dir = std::getenv("RKDB2_TEST_CLIENT_DIR"))
        rk::os::SetLibrarySearchDirectory(dir);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
