#include "ChildProcess.h"

#include <cstdlib>

#include "TestPaths.h"

#if defined(_WIN32)
#  include <process.h>
#else
#  include <cerrno>
#  include <spawn.h>
#  include <sys/wait.h>
extern char** environ;
#endif

namespace rk::test {

int RunRkdb2(std::vector<std::string> args)
{
#if defined(_WIN32)
    const std::string program = ExecutableDir() + "/rkdb2.exe";
    if (const char* dir = std::getenv("RKDB2_TEST_CLIENT_DIR"))
        args.insert(args.begin(), {"--client-dir", PlatformPath(dir)});
#else
    const std::string program = ExecutableDir() + "/rkdb2";   // LD_LIBRARY_PATH, inherited, names the client
#endif
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (auto& arg : args) {
#if defined(_WIN32)
        arg = "\"" + arg + "\"";   // _spawnv joins the arguments with blanks
#endif
        argv.push_back(&arg[0]);
    }
    argv.push_back(nullptr);
#if defined(_WIN32)
    return static_cast<int>(::_spawnv(_P_WAIT, program.c_str(), argv.data()));
#else
    pid_t pid = 0;
    int status = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

} // namespace rk::test
