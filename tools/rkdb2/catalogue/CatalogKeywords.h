#pragma once
// The keywords of DB2's command line for the codes of a catalogue entry,
// written once for export, apply and the catalog commands: protocols,
// security, authentication types and operating systems.

#include <cstdint>
#include <optional>
#include <string>

namespace rkdb2 {

enum class Keywords { kProtocol, kSecurity, kAuthentication, kOsType };

// The keyword of `code`, or null when it has none.
const char* KeywordOf(Keywords table, std::uint16_t code);
// The code of `keyword`, in any case; nothing when it is not one.
std::optional<std::uint16_t> CodeOf(Keywords table, const std::string& keyword);
// "SERVER, CLIENT, ...", for messages and help.
std::string KeywordList(Keywords table);

} // namespace rkdb2
