// rkdb2 connect DSN USER: tests a CLI connection through RkConnect. The
// password is read from the terminal without echo, or from the first line
// of standard input when that is not a terminal; never from the command
// line, where other users could see it.

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "Password.h"
#include "db2/ByteLayout.h"

namespace {

int Connect(rk::host::HostLibrary& library, const std::string& dsn, const std::string& user)
{
    std::string password;
    if (!rkdb2::ReadPassword(password)) {
        std::fprintf(stderr, "rkdb2: no password on standard input\n");
        return rkdb2::kExitUsage;
    }

    char dbmsName[RKDB2_DBMS_NAME_SIZE] = {};
    std::vector<char> message(RKDB2_CONNECT_MESSAGE_MAX, '\0');
    const int result = library.RkConnect(dsn.c_str(), user.c_str(), password.c_str(), dbmsName, message.data());

    // The field holds no terminator when the name has eight characters or more.
    const std::string name(rk::bytes::TextUpToNul(dbmsName, sizeof dbmsName));
    std::printf("result: %d (%s)\n", result, result == 1 ? "connected" : "not connected");
    std::printf("DBMS name: %s\n", name.empty() ? "(not reported)" : name.c_str());
    if (message[0] == '\0')
        std::printf("message: (empty)\n");
    else
        std::printf("message:%s", message.data());
    return result == 1 ? rkdb2::kExitSuccess : rkdb2::kExitFailure;
}

class ConnectCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "connect"; }
    const char* Summary() const override { return "tests a CLI connection (password from the terminal or stdin)"; }
    const char* SuccessMeaning() const override { return "connected"; }
    const char* FailureMeaning() const override { return "not connected (the CLI diagnostics are printed)"; }
    void Declare(CLI::App& command) override
    {
        command.add_option("DSN", m_dsn, "the data source")->required();
        command.add_option("USER", m_user, "the user to connect as")->required();
        command.footer("The password is read from the terminal without echo, or from the first line of standard "
                       "input; never from the command line. No password on standard input exits with 2.");
    }
    int Run(rk::host::HostLibrary& library) override { return Connect(library, m_dsn, m_user); }

private:
    std::string m_dsn;
    std::string m_user;
};

const rkdb2::CommandRegistration registration(std::make_unique<ConnectCommand>());

} // namespace
