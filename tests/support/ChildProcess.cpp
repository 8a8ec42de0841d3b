#include "ChildProcess.h"

#include <cstdlib>

#include "TestPaths.h"

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <cerrno>
#  include <spawn.h>
#  include <sys/wait.h>
extern char** environ;
#endif

namespace rk::test {

#if defined(_WIN32)

namespace {

// One argument as the C runtime splits a command line: quoted, with the
// backslashes before a quote doubled.
std::string Quoted(const std::string& arg)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

} // namespace

int RunProgram(const std::string& program, const std::vector<std::string>& args)
{
    std::string commandLine = Quoted(program);
    for (const auto& arg : args)
        commandLine += " " + Quoted(arg);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &process))
        return -1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    const bool known = ::GetExitCodeProcess(process.hProcess, &code) != FALSE;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return known ? static_cast<int>(code) : -1;
}

int RunRkdb2(const std::vector<std::string>& args)
{
    std::vector<std::string> all;
    if (const char* dir = std::getenv("RKDB2_TEST_CLIENT_DIR"))
        all = {"--client-dir", PlatformPath(dir)};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(ExecutableDir() + "/rkdb2.exe", all);
}

#else

int RunProgram(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// LD_LIBRARY_PATH, inherited, already names the client.
int RunRkdb2(const std::vector<std::string>& args) { return RunProgram(ExecutableDir() + "/rkdb2", args); }

#endif

} // namespace rk::test
