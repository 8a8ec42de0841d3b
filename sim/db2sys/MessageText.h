#pragma once
// Formatting shared by the two message functions of db2sys.dll.

#include <string>
#include <vector>

#include "db2/Db2Api.h"

namespace rk::sim {

// The message tokens of the sqlca: sqlerrmc up to sqlerrml bytes (at most
// 70), split at the 0xFF separators.
std::vector<std::string> SqlcaTokens(const db2::Sqlca& ca);

// `text` with "%1", "%2", ... replaced by the tokens; a missing token
// gives empty text.
std::string InsertTokens(const std::string& text, const std::vector<std::string>& tokens);

// Breaks `text` into lines of at most `width` characters at blanks (a word
// longer than a line is split), joined by `lineBreak`. Width 0: one line.
std::string BreakLines(const std::string& text, std::size_t width, const std::string& lineBreak);

// Copies as much of `text` as fits into the buffer with a terminating NUL
// and returns the number of characters copied (the NUL not counted).
// `bufferSize` must be at least 1.
int CopyToBuffer(const std::string& text, char* buffer, short bufferSize);

} // namespace rk::sim
