#include "ChildProcess.h"

#include <cstdlib>

#include "TestPaths.h"
#include "os/LoadedLibrary.h"
#include "os/Process.h"

namespace rk::test {

int RunRkdb2(std::vector<std::string> args)
{
    // Where the library search can be set at run time, rkdb2 is told the
    // client's directory; elsewhere the inherited LD_LIBRARY_PATH names it.
    if (const char* dir = std::getenv("RKDB2_TEST_CLIENT_DIR"); dir != nullptr && os::CanSetLibrarySearchDirectory())
        args.insert(args.begin(), {"--client-dir", os::PlatformPath(dir)});
    return os::RunProcess(ExecutableDir() + "/" + os::ExecutableFileName("rkdb2"), args);
}

} // namespace rk::test
