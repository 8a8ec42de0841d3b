#pragma once
// Little-endian field access by offset. DB2's records are decoded and
// encoded through these helpers, never through a compiler's struct layout.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace rk::bytes {

inline std::uint16_t ReadU16(const unsigned char* record, std::size_t offset)
{
    return static_cast<std::uint16_t>(record[offset] | (record[offset + 1] << 8));
}

inline std::int16_t ReadI16(const unsigned char* record, std::size_t offset)
{
    return static_cast<std::int16_t>(ReadU16(record, offset));
}

inline std::int32_t ReadI32(const unsigned char* record, std::size_t offset)
{
    const std::uint32_t value =
        static_cast<std::uint32_t>(record[offset]) | (static_cast<std::uint32_t>(record[offset + 1]) << 8) |
        (static_cast<std::uint32_t>(record[offset + 2]) << 16) | (static_cast<std::uint32_t>(record[offset + 3]) << 24);
    return static_cast<std::int32_t>(value);
}

inline void WriteU16(unsigned char* record, std::size_t offset, std::uint16_t value)
{
    record[offset] = static_cast<unsigned char>(value & 0xFF);
    record[offset + 1] = static_cast<unsigned char>(value >> 8);
}

inline void WriteI16(unsigned char* record, std::size_t offset, std::int16_t value)
{
    WriteU16(record, offset, static_cast<std::uint16_t>(value));
}

inline void WriteI32(unsigned char* record, std::size_t offset, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        record[offset + i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xFF);
}

// A fixed-width field of a record: where it starts and how many bytes it has.
struct Field {
    std::size_t offset;
    std::size_t width;
    constexpr std::size_t End() const { return offset + width; }
};

// The text of a fixed-width character array up to its first NUL, never
// reading past `width` bytes: all of them when no NUL ends the text, so a
// caller that needs a terminator checks for a size below `width`.
inline std::string_view TextUpToNul(const void* bytes, std::size_t width)
{
    const auto* begin = static_cast<const char*>(bytes);
    const void* nul = std::memchr(begin, '\0', width);
    return std::string_view(begin,
                            nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - begin) : width);
}

inline std::string_view TextUpToNul(const unsigned char* record, Field field)
{
    return TextUpToNul(record + field.offset, field.width);
}

// Writes `text` into the field padded with blanks to its width, as DB2 fills
// its character fields; a longer text is cut to the width. No terminator.
inline void WriteBlankPadded(unsigned char* record, Field field, std::string_view text)
{
    std::memset(record + field.offset, ' ', field.width);
    std::memcpy(record + field.offset, text.data(), std::min(text.size(), field.width));
}

} // namespace rk::bytes
