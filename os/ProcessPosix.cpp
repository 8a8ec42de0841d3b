#include "os/Process.h"

#include <cerrno>
#include <climits>

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

int RunProcess(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<std::string> arguments = args;
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (auto& arg : arguments)
        argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace rk::os
