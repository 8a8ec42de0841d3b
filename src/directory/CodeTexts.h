#pragma once
// The words shown for DB2's codes in directory entries.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rk::directory {

// No code text is longer: an entry sizes its texts with this before it reads
// them. The tables are checked against it where they are defined.
inline constexpr std::size_t kMaxCodeTextLength = 64;

// Entry type of a database directory entry: a character digit '0' to '4';
// any other byte gives empty text.
std::string_view EntryTypeText(unsigned char entryType);

// Authentication type of a database directory entry; an unknown value gives
// empty text.
std::string_view AuthenticationText(std::uint16_t authentication);

// Operating system of a node; 0 is "UNKNOWN", an unlisted value "????????".
std::string_view PlatformText(std::uint16_t osType);

} // namespace rk::directory
