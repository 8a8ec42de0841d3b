#include "db2/DefaultInstance.h"

#include <cstring>
#include <string_view>

#include "db2/ByteLayout.h"
#include "db2/Db2Profile.h"

namespace rk::db2 {

void ReadDefaultInstanceName(char (&destination)[kDefaultInstanceBufferSize], platform::CRkProfileRegistry& profile)
{
    unsigned char buffer[profile::kValueReadSize] = {};
    destination[0] = '\0';
    if (!profile.QueryValue(profile::kDefaultInstanceValue, buffer, sizeof buffer))
        return;
    // Data filling the whole buffer without a NUL counts as absent as well.
    const std::string_view name = bytes::TextUpToNul(buffer, sizeof buffer);
    if (name.size() >= kDefaultInstanceBufferSize)
        return;
    std::memcpy(destination, name.data(), name.size());
    destination[name.size()] = '\0';
}

} // namespace rk::db2
