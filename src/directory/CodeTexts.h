#pragma once
// The words shown for DB2's codes in directory entries.

#include <cstdint>
#include <string_view>

namespace rk::directory {

// Entry type of a database directory entry: a character digit '0' to '4';
// any other byte gives empty text.
std::string_view EntryTypeText(unsigned char entryType);

// Authentication type of a database directory entry; an unknown value gives
// empty text.
std::string_view AuthenticationText(std::uint16_t authentication);

// Operating system of a node; 0 is "UNKNOWN", an unlisted value "????????".
std::string_view PlatformText(std::uint16_t osType);

} // namespace rk::directory
