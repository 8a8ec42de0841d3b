#include "os/Process.h"

#include <process.h>
#include <windows.h>

namespace rk::os {

unsigned long CurrentProcessId() { return ::GetCurrentProcessId(); }

std::string ExecutableDir()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path);
    const auto slash = full.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : full.substr(0, slash);
}

int RunProcess(const std::string& program, const std::vector<std::string>& args)
{
    // _spawnv joins the arguments with blanks into one command line: each
    // is quoted, the program's name too.
    std::vector<std::string> quoted;
    quoted.push_back("\"" + program + "\"");
    for (const auto& arg : args)
        quoted.push_back("\"" + arg + "\"");
    std::vector<const char*> argv;
    for (const auto& arg : quoted)
        argv.push_back(arg.c_str());
    argv.push_back(nullptr);
    return static_cast<int>(::_spawnv(_P_WAIT, program.c_str(), argv.data()));
}

} // namespace rk::os
