#pragma once
// DB2's rules for directory names (node names, database names, aliases):
// which names it takes, and when two names are the same.

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace rk::db2 {

inline constexpr std::size_t kMaxDirectoryNameLength = 8;

inline bool IsDirectoryNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '@' || c == '#' ||
           c == '$';
}

// Database names and aliases: 1 to 8 characters from A-Z, a-z, 0-9, @, # and $.
inline bool IsValidDirectoryName(std::string_view name)
{
    return !name.empty() && name.size() <= kMaxDirectoryNameLength &&
           std::all_of(name.begin(), name.end(), IsDirectoryNameCharacter);
}

// Node names follow the same rule and do not start with a digit, so a node
// named after an address (10.0.0.1) is refused.
inline bool IsValidNodeName(std::string_view name)
{
    return IsValidDirectoryName(name) && !(name[0] >= '0' && name[0] <= '9');
}

// Names compare without regard to ASCII case: DB2 treats lower case letters
// in names as upper case.
inline bool EqualIgnoringCase(std::string_view left, std::string_view right)
{
    const auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    return left.size() == right.size() &&
           std::equal(left.begin(), left.end(), right.begin(), [&](char l, char r) { return upper(l) == upper(r); });
}

} // namespace rk::db2
