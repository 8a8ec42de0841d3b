#include "Password.h"

#include <cstdio>
#include <iostream>

#include "os/Terminal.h"

namespace rkdb2 {

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

} // namespace rkdb2
