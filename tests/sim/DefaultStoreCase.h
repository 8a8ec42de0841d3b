#pragma once
// Where the stand-in's store lives when RKDB2_SIM_HOME names none, as a case
// of the store's tests: this platform's variable for the user's profile, a
// value for it, and the store directory that value gives
// (DefaultStoreCaseWin32.cpp, DefaultStoreCasePosix.cpp).

#include <string>

namespace rk::test {

struct DefaultStoreCase {
    std::string variable;
    std::string value;
    std::string directory;
};

DefaultStoreCase ProfileDefaultStoreCase();

} // namespace rk::test
