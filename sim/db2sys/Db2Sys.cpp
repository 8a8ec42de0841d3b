// db2sys.dll of the stand-in client: DB2's message texts for an SQLCODE
// (sqlaintp_api) and for an SQLSTATE (sqlogstt), from the tables of
// SimMessages.cpp and SqlstateTexts.cpp.
//
// Both functions return the number of characters placed in the buffer,
// which always receives a terminating NUL and never more than bufferSize
// bytes (a longer text is cut), or DB2's negative results: -1 out of
// memory, -2 nothing to explain (SQLCODE 0; an SQLSTATE that is not 2 or 5
// letters and digits), -3 no such message (a message file other than
// db2sql.mo, an SQLCODE or SQLSTATE class the stand-in does not know), -4 a
// negative line width, -5 a null buffer, sqlca or SQLSTATE, or a buffer size
// below 1. The buffer is not touched when the result is negative. A
// positive line width breaks the text into lines of at most that many
// characters at blanks.

#include "SimHooks.h"

#include <cctype>
#include <new>
#include <string>

#include "ListedEntryPoints.h"
#include "MessageText.h"
#include "SimMessages.h"
#include "SqlstateTexts.h"
#include "db2/Db2Api.h"
#include "db2/Db2Names.h"

namespace {

constexpr const char* kMessageFile = "db2sql.mo";
constexpr const char* kSqlcodeLineBreak = "\r\n"; // as DB2 on Windows, on every platform
constexpr const char* kSqlstateLineBreak = "\n";
constexpr int kOutOfMemory = -1;

bool IsKnownMessageFile(const char* fileName)
{
    return fileName != nullptr && rk::db2::EqualIgnoringCase(fileName, kMessageFile);
}

// "SQL1013N  The database alias ... could not be found.  SQLSTATE=42705"
std::string SqlcodeMessageText(const rk::sim::SqlcodeMessage& message, const rk::db2::Sqlca& ca)
{
    std::string text =
        std::string(message.messageId) + "  " + rk::sim::InsertTokens(message.text, rk::sim::SqlcaTokens(ca));
    if (message.sqlstateInText)
        text += std::string("  SQLSTATE=") + message.sqlstate;
    return text;
}

// The SQLSTATE at `field`: 2 or 5 letters and digits, ended by a NUL or by
// the fifth character (the field need not be terminated). Empty otherwise.
std::string ReadSqlstate(const char* field)
{
    std::string sqlstate;
    for (std::size_t i = 0; i < rk::db2::kSqlcaSqlstate.width && field[i] != '\0'; ++i) {
        if (!std::isalnum(static_cast<unsigned char>(field[i])))
            return std::string();
        sqlstate += static_cast<char>(std::toupper(static_cast<unsigned char>(field[i])));
    }
    return (sqlstate.size() == 2 || sqlstate.size() == 5) ? sqlstate : std::string();
}

int FormatSqlcodeMessage(char* buffer, short bufferSize, short lineWidth, const char* messageFile,
                         const rk::db2::Sqlca* ca)
{
    if (buffer == nullptr || bufferSize < 1 || ca == nullptr)
        return rk::db2::kMsgBadArgument;
    if (lineWidth < 0)
        return rk::db2::kMsgBadLineWidth;
    if (!IsKnownMessageFile(messageFile))
        return rk::db2::kMsgFileError;
    const std::int32_t sqlcode = rk::db2::Sqlcode(*ca);
    if (sqlcode == 0)
        return rk::db2::kMsgNoError;
    const rk::sim::SqlcodeMessage* message = rk::sim::FindSqlcodeMessage(sqlcode);
    if (message == nullptr)
        return rk::db2::kMsgFileError;
    const std::string text =
        rk::sim::BreakLines(SqlcodeMessageText(*message, *ca), static_cast<std::size_t>(lineWidth), kSqlcodeLineBreak);
    return rk::sim::CopyToBuffer(text + kSqlcodeLineBreak, buffer, bufferSize);
}

// "42705: An undefined server-name was detected." An SQLSTATE without a
// row of its own is explained by its class: "42999: Syntax Error or Access
// Rule Violation".
int FormatSqlstateText(char* buffer, short bufferSize, short lineWidth, const char* field)
{
    if (buffer == nullptr || bufferSize < 1 || field == nullptr)
        return rk::db2::kMsgBadArgument;
    if (lineWidth < 0)
        return rk::db2::kMsgBadLineWidth;
    const std::string sqlstate = ReadSqlstate(field);
    if (sqlstate.empty())
        return rk::db2::kMsgBadSqlstate;
    const char* text = rk::sim::FindSqlstateText(sqlstate);
    if (text == nullptr)
        text = rk::sim::FindSqlstateText(sqlstate.substr(0, 2));
    if (text == nullptr)
        return rk::db2::kMsgFileError;
    const std::string line =
        rk::sim::BreakLines(sqlstate + ": " + text, static_cast<std::size_t>(lineWidth), kSqlstateLineBreak);
    return rk::sim::CopyToBuffer(line + kSqlstateLineBreak, buffer, bufferSize);
}

} // namespace

extern "C" {

int RK_DB2_CALL sqlaintp_api(char* buffer, short bufferSize, short lineWidth, const char* messageFile,
                             rk::db2::Sqlca* ca)
{
    try {
        if (const auto injected = rk::sim::EnterCall(rk::db2::listed::sqlaintp_api))
            return *injected;
        return FormatSqlcodeMessage(buffer, bufferSize, lineWidth, messageFile, ca);
    } catch (...) {
        return kOutOfMemory;
    }
}

int RK_DB2_CALL sqlogstt(char* buffer, short bufferSize, short lineWidth, char* sqlstate)
{
    try {
        if (const auto injected = rk::sim::EnterCall(rk::db2::listed::sqlogstt))
            return *injected;
        return FormatSqlstateText(buffer, bufferSize, lineWidth, sqlstate);
    } catch (...) {
        return kOutOfMemory;
    }
}

} // extern "C"

RK_DB2SYS_ENTRY_POINTS(RK_SIM_CHECK_ENTRY_POINT)
