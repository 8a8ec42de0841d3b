#pragma once
// Comma-separated values as RFC 4180 has them: records end with CRLF, and a
// field holding a comma, a double quote, CR or LF is enclosed in double
// quotes with its double quotes doubled. Bytes are written as they are.

#include <string>
#include <vector>

namespace rkdb2 {

std::string CsvRecord(const std::vector<std::string>& fields);

} // namespace rkdb2
