#include "os/Process.h"

#include <cerrno>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace rk::os {

unsigned long CurrentProcessId() { return static_cast<unsigned long>(::getpid()); }

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
