#pragma once
// DB2's explanations of SQLSTATEs, for sqlogstt.

#include <string>

namespace rk::sim {

// The text of a five-character SQLSTATE or of a two-character class code
// (upper case), or null when the table has none.
const char* FindSqlstateText(const std::string& sqlstate);

} // namespace rk::sim
