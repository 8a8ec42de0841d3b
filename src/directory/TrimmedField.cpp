#include "directory/TrimmedField.h"

#include <cstring>

namespace rk::directory {

std::string TrimmedField(const unsigned char* bytes, std::size_t width)
{
    const void* nul = std::memchr(bytes, '\0', width);
    std::size_t length = nul != nullptr ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - bytes) : width;
    while (length > 0 && bytes[length - 1] == ' ')
        --length;
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

} // namespace rk::directory
