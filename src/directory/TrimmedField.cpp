#include "directory/TrimmedField.h"

#include <cstdint>
#include <cstring>

namespace rk::directory {

namespace {

constexpr std::uint64_t kEightBlanks = 0x2020202020202020u;

// Zero when the eight bytes at `bytes` are all blanks.
inline std::uint64_t NonBlankBits(const unsigned char* bytes)
{
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word ^ kEightBlanks;
}

// Where the bytes before `length` end once trailing blanks are cut.
std::size_t WithoutTrailingBlanks(const unsigned char* bytes, std::size_t length)
{
    // DB2 pads its fields with blanks, and the wide ones (a host name has
    // 255 bytes) are mostly padding: cut 32 bytes at a time without a branch
    // per byte, then eight, then one.
    while (length >= 32 && (NonBlankBits(bytes + length - 32) | NonBlankBits(bytes + length - 24) |
                            NonBlankBits(bytes + length - 16) | NonBlankBits(bytes + length - 8)) == 0)
        length -= 32;
    while (length >= 8 && NonBlankBits(bytes + length - 8) == 0)
        length -= 8;
    while (length > 0 && bytes[length - 1] == ' ')
        --length;
    return length;
}

} // namespace

std::string_view TrimmedFieldView(const unsigned char* bytes, std::size_t width)
{
    // The padding is cut first, so that the search for a NUL covers the
    // text only: blanks are not NULs, so a field with no NUL before its
    // padding has none at all.
    std::size_t length = WithoutTrailingBlanks(bytes, width);
    const std::size_t upToNul = bytes::TextUpToNul(bytes, length).size();
    if (upToNul < length)
        length = WithoutTrailingBlanks(bytes, upToNul);
    return std::string_view(reinterpret_cast<const char*>(bytes), length);
}

} // namespace rk::directory
