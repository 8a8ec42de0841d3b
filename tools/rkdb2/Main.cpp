// rkdb2: a command-line host of RkDb2Rova. It loads the library exactly as a
// host application does and reaches the DB2 client through its exports
// (`status` also asks the system where the client's files were loaded from).
//
//   rkdb2 [--client-dir DIR] COMMAND [ARGS...]
//
// --client-dir adds DIR to the DLL search path on Windows (where the DB2
// client's bin directory is normally on PATH). On Linux the client is found
// through LD_LIBRARY_PATH.

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "ClientFiles.h"
#include "Command.h"
#include "os/LoadedLibrary.h"

namespace rkdb2 {
namespace {

std::vector<std::unique_ptr<Command>>& MutableCommands()
{
    static std::vector<std::unique_ptr<Command>> commands;
    return commands;
}

std::string ExitCodesText(const Command& command)
{
    return "Exit codes:\n  " + std::to_string(kExitSuccess) + "  " + command.SuccessMeaning() + "\n  " +
           std::to_string(kExitFailure) + "  " + command.FailureMeaning() + "\n  " + std::to_string(kExitUsage) +
           "  wrong arguments or options\n  " + std::to_string(kExitNoLibrary) + "  RkDb2Rova cannot be loaded\n";
}

// The help of `app` itself, not of a subcommand parsed below it.
std::string OwnHelp(const CLI::App& app, const std::string& path)
{
    return app.get_formatter()->make_help(&app, path, CLI::AppFormatMode::Normal);
}

} // namespace

// rkdb2's version, then that of the library it loads: from the library's
// version resource on Windows, this build's elsewhere.
int PrintVersions()
{
    std::printf("%s\n", ToolVersionText().c_str());
    const rk::host::HostLibrary library;
    if (!library.IsLoaded()) {
        std::printf("RkDb2Rova: cannot be loaded from %s\n", rk::host::DefaultLibraryPath().c_str());
        return kExitNoLibrary;
    }
    const ProductLibraryStatus status = InspectProductLibrary();
    std::printf("RkDb2Rova %s (%s)\n", status.version.empty() ? "without a version resource" : status.version.c_str(),
                status.path.c_str());
    return kExitSuccess;
}

const std::vector<std::unique_ptr<Command>>& Commands() { return MutableCommands(); }

CommandRegistration::CommandRegistration(std::unique_ptr<Command> command)
{
    MutableCommands().push_back(std::move(command));
}

std::string ToolVersionText()
{
    return "rkdb2 " RKDB2ROVA_VERSION_STRING " (" + std::to_string(sizeof(void*) * 8) + "-bit)";
}

} // namespace rkdb2

namespace rkdb2 {
namespace {

// rkdb2's command line: the global options, `help`, and one subcommand per
// registered command, each with its exit codes in its footer.
struct CommandLine {
    CLI::App app{"rkdb2: inspects and maintains the DB2 client through RkDb2Rova.", "rkdb2"};
    std::string clientDir;
    std::string topic;
    CLI::App* help = nullptr;
    std::vector<std::pair<CLI::App*, Command*>> subcommands;

    CommandLine()
    {
        app.set_version_flag("--version", ToolVersionText(), "print rkdb2's version and bitness and exit");
        app.add_option("--client-dir", clientDir,
                       "Windows: search DIR for the DB2 client's libraries (SetDllDirectory)")
            ->type_name("DIR");
        app.require_subcommand(1, 1);
        app.footer("`rkdb2 help COMMAND` gives a command's usage, options and exit codes.");
        help = app.add_subcommand("help", "the commands, or one command's usage, options and exit codes");
        help->add_option("COMMAND", topic, "the command to describe");
        for (const auto& command : Commands()) {
            CLI::App* sub = app.add_subcommand(command->Name(), command->Summary());
            command->Declare(*sub);
            sub->footer(ExitCodesText(*command));
            subcommands.emplace_back(sub, command.get());
        }
    }
};

// Parses the arguments; an exit code when parsing alone ends the run
// (help, --version, wrong arguments), nothing when a command is to run.
std::optional<int> Parse(CommandLine& line, int argc, char** argv)
{
    try {
        line.app.parse(argc, argv);
        return std::nullopt;
    } catch (const CLI::CallForHelp&) {
        std::printf("%s", line.app.help().c_str());
        return kExitSuccess;
    } catch (const CLI::CallForVersion&) {
        return PrintVersions();
    } catch (const CLI::ParseError& error) {
        const auto parsed = line.app.get_subcommands();
        const auto remaining = line.app.remaining();
        if (parsed.empty() && !remaining.empty() && remaining.front().rfind('-', 0) != 0)
            std::fprintf(stderr, "rkdb2: unknown command '%s'\n\n", remaining.front().c_str());
        else
            std::fprintf(stderr, "rkdb2: %s\n\n", error.what());
        // The usage of the command whose arguments were wrong, or rkdb2's.
        std::fprintf(stderr, "%s", line.app.help().c_str());
        return kExitUsage;
    }
}

// rkdb2 help [COMMAND].
int Help(const CommandLine& line)
{
    if (line.topic.empty()) {
        std::printf("%s", OwnHelp(line.app, "rkdb2").c_str());
        return kExitSuccess;
    }
    for (const auto& [sub, command] : line.subcommands) {
        if (line.topic == command->Name()) {
            std::printf("%s", sub->help("rkdb2").c_str());
            return kExitSuccess;
        }
    }
    std::fprintf(stderr, "rkdb2: unknown command '%s'\n\n%s", line.topic.c_str(), OwnHelp(line.app, "rkdb2").c_str());
    return kExitUsage;
}

// The parsed command, with the library loaded as a host loads it.
int RunCommand(const CommandLine& line)
{
    if (!line.clientDir.empty()) {
        if (!rk::os::CanSetLibrarySearchDirectory()) {
            std::fprintf(stderr, "rkdb2: --client-dir is for Windows; on Linux set LD_LIBRARY_PATH\n");
            return kExitUsage;
        }
        rk::os::SetLibrarySearchDirectory(line.clientDir);
    }
    for (const auto& [sub, command] : line.subcommands) {
        if (!sub->parsed())
            continue;
        rk::host::HostLibrary library;
        if (!library.IsLoaded()) {
            std::fprintf(stderr, "rkdb2: cannot load %s\n", rk::host::DefaultLibraryPath().c_str());
            return kExitNoLibrary;
        }
        return command->Run(library);
    }
    return kExitUsage;
}

} // namespace
} // namespace rkdb2

int main(int argc, char** argv)
{
    rkdb2::CommandLine line;
    if (const std::optional<int> ended = rkdb2::Parse(line, argc, argv))
        return *ended;
    if (line.help->parsed())
        return rkdb2::Help(line);
    return rkdb2::RunCommand(line);
}
