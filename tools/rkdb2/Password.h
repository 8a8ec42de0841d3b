#pragma once
// A password for a connection test: from the terminal without echo, or
// from the first line of standard input when that is not a terminal; never
// from the command line, where other users could see it.

#include <string>

namespace rkdb2 {

// False when standard input holds no line.
bool ReadPassword(std::string& password);

} // namespace rkdb2
