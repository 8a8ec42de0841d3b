// rkdb2 connect DSN USER: tests a CLI connection through RkConnect. The
// password is read from the terminal without echo, or from the first line
// of standard input when that is not a terminal; never from the command
// line, where other users could see it.

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "Command.h"
#include "db2/ByteLayout.h"
#include "os/Terminal.h"

namespace {

bool ReadPassword(std::string& password)
{
    const rk::os::TerminalEchoOff echoOff;
    if (echoOff.IsTerminal())
        std::fprintf(stderr, "Password: ");
    const bool read = static_cast<bool>(std::getline(std::cin, password));
    if (echoOff.IsTerminal())
        std::fprintf(stderr, "\n");
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return read;
}

int RunConnect(rk::host::HostLibrary& library, const rkdb2::Arguments& args)
{
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: rkdb2 connect DSN USER  (the password is read from the terminal or stdin)\n");
        return 2;
    }
    std::string password;
    if (!ReadPassword(password)) {
        std::fprintf(stderr, "rkdb2: no password on standard input\n");
        return 2;
    }

    char dbmsName[RKDB2_DBMS_NAME_SIZE] = {};
    std::vector<char> message(RKDB2_CONNECT_MESSAGE_MAX, '\0');
    const int result = library.RkConnect(args[0].c_str(), args[1].c_str(), password.c_str(), dbmsName, message.data());

    // The field holds no terminator when the name has eight characters or more.
    const std::string name(rk::bytes::TextUpToNul(dbmsName, sizeof dbmsName));
    std::printf("result: %d (%s)\n", result, result == 1 ? "connected" : "not connected");
    std::printf("DBMS name: %s\n", name.empty() ? "(not reported)" : name.c_str());
    if (message[0] == '\0')
        std::printf("message: (empty)\n");
    else
        std::printf("message:%s", message.data());
    return result == 1 ? 0 : 1;
}

const rkdb2::CommandRegistration registration(
    {"connect", "DSN USER", "tests a CLI connection (password from the terminal or stdin)", RunConnect});

} // namespace
