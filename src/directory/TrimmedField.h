#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "db2/ByteLayout.h"

namespace rk::directory {

// A fixed-width DB2 character array as text: it ends before the first NUL
// byte, if there is one, and trailing blanks (0x20 only) are cut.
std::string_view TrimmedFieldView(const unsigned char* bytes, std::size_t width);
inline std::string TrimmedField(const unsigned char* bytes, std::size_t width)
{
    return std::string(TrimmedFieldView(bytes, width));
}

// The field of `record` at `field`'s offset and width.
inline std::string_view TrimmedFieldView(const unsigned char* record, bytes::Field field)
{
    return TrimmedFieldView(record + field.offset, field.width);
}
inline std::string TrimmedField(const unsigned char* record, bytes::Field field)
{
    return TrimmedField(record + field.offset, field.width);
}

} // namespace rk::directory
