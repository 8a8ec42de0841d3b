#include "os/Db2Profile.h"

#include <cstdlib>

#include "db2/Db2Profile.h"

namespace rk::os {

std::optional<std::string> DefaultInstanceProfileValue()
{
    if (const char* value = std::getenv(rk::db2::profile::kDefaultInstanceValue))
        return std::string(value);
    return std::nullopt;
}

} // namespace rk::os
