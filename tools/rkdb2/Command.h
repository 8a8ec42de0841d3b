#pragma once
// The sub-commands of rkdb2. Each lives in a file of its own, declares its
// arguments and options on its CLI11 subcommand (parsing fills the command's
// members) and registers itself with a static CommandRegistration.

#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "HostLibrary.h"

namespace rkdb2 {

// The exit codes every command shares; 1 is each command's own failure.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoLibrary = 3;

class Command {
public:
    virtual ~Command() = default;
    virtual const char* Name() const = 0;
    // One line, for the list of commands.
    virtual const char* Summary() const = 0;
    // Declares the positionals and options on the command's subcommand.
    virtual void Declare(CLI::App& command) = 0;
    // What exit codes 0 and 1 mean for this command.
    virtual const char* SuccessMeaning() const = 0;
    virtual const char* FailureMeaning() const = 0;
    // Runs the command with the arguments parsed into its members.
    virtual int Run(rk::host::HostLibrary& library) = 0;
};

const std::vector<std::unique_ptr<Command>>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(std::unique_ptr<Command> command);
};

// "rkdb2 VERSION (N-bit)".
std::string ToolVersionText();
// --version: that line and the loaded library's version; the exit code.
int PrintVersions();

} // namespace rkdb2
