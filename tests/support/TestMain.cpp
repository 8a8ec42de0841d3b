// main() of every test program. On Windows the DB2 client directory of the
// test case (RKDB2_TEST_CLIENT_DIR) joins the DLL search path here; Linux
// reads LD_LIBRARY_PATH, which CTest sets, at process start.

#include <cstdlib>

#include <gtest/gtest.h>

#include "TestPaths.h"

#if defined(_WIN32)
#  include <windows.h>
#endif

int main(int argc, char** argv)
{
#if defined(_WIN32)
    if (const char* dir = std::getenv("RKDB2_TEST_CLIENT_DIR"))
        ::SetDllDirectoryA(rk::test::PlatformPath(dir).c_str());
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
