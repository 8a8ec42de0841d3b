#include "os/Process.h"

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace rk::os {

unsigned long CurrentProcessId() { return static_cast<unsigned long>(::getpid()); }

std::string ExecutableDir()
{
    char path[PATH_MAX] = {};
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0)
        path[length] = '\0';
    const std::string full(path);
    const auto slash = full.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : full.substr(0, slash);
}

namespace {

int Spawn(const std::string& program, const std::vector<std::string>& args, const posix_spawn_file_actions_t* actions)
{
    std::vector<std::string> arguments = args;
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (auto& arg : arguments)
        argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (::posix_spawn(&pid, program.c_str(), actions, nullptr, argv.data(), environ) != 0)
        return -1;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

int RunProcess(const std::string& program, const std::vector<std::string>& args)
{
    return Spawn(program, args, nullptr);
}

int RunProcess(const std::string& program, const std::vector<std::string>& args, const std::string& outputPath,
               const std::string& inputPath)
{
    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0)
        return -1;
    int result = -1;
    if (::posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644) == 0 &&
        ::posix_spawn_file_actions_adddup2(&actions, 1, 2) == 0 &&
        (inputPath.empty() || ::posix_spawn_file_actions_addopen(&actions, 0, inputPath.c_str(), O_RDONLY, 0) == 0))
        result = Spawn(program, args, &actions);
    ::posix_spawn_file_actions_destroy(&actions);
    return result;
}

} // namespace rk::os
