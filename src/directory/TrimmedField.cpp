#include "directory/TrimmedField.h"

#include <cstring>

namespace rk::directory {

std::string_view TrimmedFieldView(const unsigned char* bytes, std::size_t width)
{
    static const unsigned char kBlanks[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    std::size_t length = bytes::TextUpToNul(bytes, width).size();
    // DB2 pads its fields with blanks: the wide ones (a host name has 255
    // bytes) are mostly padding, cut eight bytes at a time.
    while (length >= sizeof kBlanks && std::memcmp(bytes + length - sizeof kBlanks, kBlanks, sizeof kBlanks) == 0)
        length -= sizeof kBlanks;
    while (length > 0 && bytes[length - 1] == ' ')
        --length;
    return std::string_view(reinterpret_cast<const char*>(bytes), length);
}

} // namespace rk::directory
