// DB2's error text for an sqlca: the SQLCODE message, the SQLCODE and
// SQLSTATE lines, and the SQLSTATE's explanation.

#include <cstring>
#include <string>

#include "db2/CRkDb2SysLib.h"

namespace {

constexpr short kWorkingBufferSize = 1024;
constexpr short kNoLineBreaks = 0;
constexpr std::size_t kMaxErrorTextLength = 1022;
constexpr const char* kMessageFile = "db2sql.mo";

// The buffer's text up to its first NUL, never reading past the buffer.
std::string TextUpToNul(const char* buffer, std::size_t size)
{
    const void* nul = std::memchr(buffer, '\0', size);
    const std::size_t length = nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - buffer) : size;
    return std::string(buffer, length);
}

} // namespace

std::string CRkDb2SysLib::GetErrorText(const rk::db2::Sqlca& ca) const
{
    // The lookups get a copy: DB2 declares their arguments writable.
    rk::db2::Sqlca scratch = ca;
    char buffer[kWorkingBufferSize] = {};

    std::string sqlcodeMessage;
    if (sqlaintp_api(buffer, kWorkingBufferSize, kNoLineBreaks, kMessageFile, &scratch) > 0)
        sqlcodeMessage = TextUpToNul(buffer, sizeof buffer);

    std::string sqlstateText;
    char* sqlstateField = reinterpret_cast<char*>(scratch.bytes + rk::db2::kSqlcaSqlstate.offset);
    if (sqlogstt(buffer, kWorkingBufferSize, kNoLineBreaks, sqlstateField) > 0)
        sqlstateText = TextUpToNul(buffer, sizeof buffer);

    const std::string sqlstate = TextUpToNul(reinterpret_cast<const char*>(ca.bytes + rk::db2::kSqlcaSqlstate.offset),
                                             rk::db2::kSqlcaSqlstate.width);

    std::string text = sqlcodeMessage + "SQLCODE = " + std::to_string(rk::db2::Sqlcode(ca)) + "\r\nSQLSTATE = \"" +
                       sqlstate + "\"\r\n" + sqlstateText;
    if (text.size() > kMaxErrorTextLength)
        text.resize(kMaxErrorTextLength);
    return text;
}
