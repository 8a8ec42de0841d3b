#pragma once
// The DB2 profile value of the default instance, read where the product
// library reads it (db2/Db2Profile.h).

#include <optional>
#include <string>

namespace rk::os {

// The value as stored, or nothing when it is absent.
std::optional<std::string> DefaultInstanceProfileValue();

} // namespace rk::os
