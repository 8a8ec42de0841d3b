#include "db2/DefaultInstance.h"

#include <cstring>

namespace rk::db2 {

void ReadDefaultInstanceName(char (&destination)[kDefaultInstanceBufferSize], platform::ProfileRegistry& profile)
{
    unsigned char buffer[256] = {};
    destination[0] = '\0';
    if (!profile.QueryValue("DB2INSTDEF", buffer, sizeof buffer))
        return;
    // Data filling the whole buffer without a NUL counts as absent as well.
    const void* nul = std::memchr(buffer, '\0', sizeof buffer);
    if (nul == nullptr)
        return;
    const auto length = static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - buffer);
    if (length >= kDefaultInstanceBufferSize)
        return;
    std::memcpy(destination, buffer, length + 1);
}

} // namespace rk::db2
