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

int RunProcess(const std::string& program, const std::vector<std::string>& args, const std::string& outputPath,
               const std::string& inputPath)
{
    std::string commandLine = "\"" + program + "\"";
    for (const auto& arg : args)
        commandLine += " \"" + arg + "\"";
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    const HANDLE output = ::CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE)
        return -1;
    HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    const bool ownInput = !inputPath.empty();
    if (ownInput) {
        input = ::CreateFileA(inputPath.c_str(), GENERIC_READ, FILE_SHARE_READ, &inheritable, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (input == INVALID_HANDLE_VALUE) {
            ::CloseHandle(output);
            return -1;
        }
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    const BOOL started = ::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                          &startup, &process);
    ::CloseHandle(output);
    if (ownInput)
        ::CloseHandle(input);
    if (!started)
        return -1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    const BOOL got = ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return got ? static_cast<int>(exitCode) : -1;
}

} // namespace rk::os
