// rkdb2: a command-line host of RkDb2Rova. It loads the library exactly as a
// host application does and reaches the DB2 client only through its exports.
//
//   rkdb2 [--client-dir DIR] COMMAND [ARGS...]
//
// --client-dir adds DIR to the DLL search path on Windows (where the DB2
// client's bin directory is normally on PATH). On Linux the client is found
// through LD_LIBRARY_PATH.

#include <cstdio>
#include <cstring>
#include <string>

#include "Command.h"
#include "os/LoadedLibrary.h"

namespace rkdb2 {

std::vector<Command>& MutableCommands()
{
    static std::vector<Command> commands;
    return commands;
}

const std::vector<Command>& Commands() { return MutableCommands(); }

CommandRegistration::CommandRegistration(const Command& command) { MutableCommands().push_back(command); }

} // namespace rkdb2

namespace {

void PrintUsage()
{
    std::printf("usage: rkdb2 [--client-dir DIR] COMMAND [ARGS...]\n\ncommands:\n");
    for (const auto& command : rkdb2::Commands())
        std::printf("  %-10s %-28s %s\n", command.name, command.usage, command.summary);
}

} // namespace

int main(int argc, char** argv)
{
    int next = 1;
    if (next + 1 < argc && std::strcmp(argv[next], "--client-dir") == 0) {
        if (!rk::os::CanSetLibrarySearchDirectory()) {
            std::fprintf(stderr, "rkdb2: --client-dir is for Windows; on Linux set LD_LIBRARY_PATH\n");
            return 2;
        }
        rk::os::SetLibrarySearchDirectory(argv[next + 1]);
        next += 2;
    }
    if (next >= argc || std::strcmp(argv[next], "help") == 0 || std::strcmp(argv[next], "--help") == 0) {
        PrintUsage();
        return next >= argc ? 2 : 0;
    }
    const std::string name = argv[next];
    for (const auto& command : rkdb2::Commands()) {
        if (name != command.name)
            continue;
        rk::host::HostLibrary library;
        if (!library.IsLoaded()) {
            std::fprintf(stderr, "rkdb2: cannot load %s\n", rk::host::DefaultLibraryPath().c_str());
            return 3;
        }
        return command.run(library, rkdb2::Arguments(argv + next + 1, argv + argc));
    }
    std::fprintf(stderr, "rkdb2: unknown command '%s'\n\n", name.c_str());
    PrintUsage();
    return 2;
}
