#pragma once
// The default DB2 instance as the library reads it on this machine.

#include <optional>
#include <string>

#include "db2/Db2Profile.h"

namespace rkdb2 {

struct DefaultInstance {
    std::optional<std::string> profileValue; // DB2INSTDEF as stored; nothing when absent
    std::string name;                        // as the library takes it; empty when none
};

using rk::db2::profile::kMaxDefaultInstanceLength;

DefaultInstance ReadDefaultInstance();

} // namespace rkdb2
