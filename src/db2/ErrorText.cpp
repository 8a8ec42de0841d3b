// DB2's error text for an sqlca: the SQLCODE message, the SQLCODE and
// SQLSTATE lines, and the SQLSTATE's explanation.

#include <string>

#include "db2/ByteLayout.h"

#include "db2/CRkDb2SysLib.h"

namespace {

constexpr short kWorkingBufferSize = 1024;
constexpr short kNoLineBreaks = 0;
constexpr std::size_t kMaxErrorTextLength = 1022;
constexpr const char* kMessageFile = "db2sql.mo";

// The buffer's text up to its first NUL, never reading past the buffer.
std::string TextUpToNul(const void* buffer, std::size_t size)
{
    return std::string(rk::bytes::TextUpToNul(buffer, size));
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

    const std::string sqlstate(rk::bytes::TextUpToNul(ca.bytes, rk::db2::kSqlcaSqlstate));

    std::string text = sqlcodeMessage + "SQLCODE = " + std::to_string(rk::db2::Sqlcode(ca)) + "\r\nSQLSTATE = \"" +
                       sqlstate + "\"\r\n" + sqlstateText;
    if (text.size() > kMaxErrorTextLength)
        text.resize(kMaxErrorTextLength);
    return text;
}
