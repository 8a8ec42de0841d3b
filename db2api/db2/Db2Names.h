#pragma once
// DB2's rules for directory names (node names, database names, aliases):
// which names it takes, and when two names are the same.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#ifndef RK_DB2_DECORATED_NAMES
#error "RK_DB2_DECORATED_NAMES is defined by the build (link rk_db2_api)"
#endif

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

// Entry points are listed under their 32-bit Windows export names, stdcall
// decoration included ("sqlenops_api@12"). Where the build does not decorate
// (RK_DB2_DECORATED_NAMES is 0: 64-bit Windows, ELF), a library exports the
// name before the "@" and its digits.
inline std::string ExportedName(std::string_view listed)
{
    if (RK_DB2_DECORATED_NAMES)
        return std::string(listed);
    const std::size_t at = listed.rfind('@');
    if (at == std::string_view::npos || at + 1 == listed.size())
        return std::string(listed);
    for (std::size_t i = at + 1; i < listed.size(); ++i)
        if (listed[i] < '0' || listed[i] > '9')
            return std::string(listed);
    return std::string(listed.substr(0, at));
}

} // namespace rk::db2
