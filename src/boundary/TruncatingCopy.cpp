#include "boundary/TruncatingCopy.h"

#include <cstdint>
#include <cstring>

namespace rk::boundary {

void TruncatingCopy(std::string_view text, char* buffer, int size)
{
    if (buffer == nullptr || size < 1)
        return;
    const std::size_t room = static_cast<std::size_t>(size) - 1;
    const std::size_t length = text.size() < room ? text.size() : room;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

int LowSigned16(int size)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(size) & 0xFFFFu));
}

} // namespace rk::boundary
