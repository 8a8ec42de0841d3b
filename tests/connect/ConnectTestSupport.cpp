#include "ConnectTestSupport.h"

#include <algorithm>
#include <cstdlib>

#include "rkdb2rova.h"

namespace rk::test {
namespace {

constexpr std::size_t kGuardBytes = 64;
const std::string kRecordStart = "\n  SQLSTATE          = ";
const std::string kNativeStart = "\n  Native Error Code = ";

} // namespace

std::string ConnectOutcome::DbmsField() const { return dbmsName.substr(0, RKDB2_DBMS_NAME_SIZE); }

bool ConnectOutcome::DbmsNameUntouched() const { return dbmsName == std::string(dbmsName.size(), kUntouched); }

bool ConnectOutcome::MessageUntouched() const { return buffer == std::string(buffer.size(), kUntouched); }

std::string ConnectOutcome::Message() const
{
    const auto end = buffer.find('\0');
    return end == std::string::npos ? buffer : buffer.substr(0, end);
}

bool ConnectOutcome::NothingWrittenBehindTheTerminator() const
{
    const auto end = buffer.find('\0');
    return end != std::string::npos && end < RKDB2_CONNECT_MESSAGE_MAX &&
           buffer.find_first_not_of(kUntouched, end + 1) == std::string::npos;
}

ConnectOutcome Connect(host::HostLibrary& library, const char* dataSource, const char* user, const char* password)
{
    ConnectOutcome outcome;
    outcome.dbmsName.assign(RKDB2_DBMS_NAME_SIZE + kGuardBytes, kUntouched);
    outcome.buffer.assign(RKDB2_CONNECT_MESSAGE_MAX + kGuardBytes, kUntouched);
    outcome.result = library.RkConnect(dataSource, user, password, &outcome.dbmsName[0], &outcome.buffer[0]);
    return outcome;
}

std::optional<std::vector<DiagBlock>> ParseMessage(const std::string& message)
{
    std::vector<DiagBlock> blocks;
    DiagBlock block;
    std::size_t at = 0;
    while (at < message.size()) {
        if (message.compare(at, kTrailer.size(), kTrailer) == 0) {
            blocks.push_back(block);
            block.clear();
            at += kTrailer.size();
            continue;
        }
        if (message.compare(at, kRecordStart.size(), kRecordStart) != 0)
            return std::nullopt;
        at += kRecordStart.size();
        DiagRecord record;
        record.sqlstate = message.substr(at, 5);
        at += 5;
        if (message.compare(at, kNativeStart.size(), kNativeStart) != 0)
            return std::nullopt;
        at += kNativeStart.size();
        const auto lineEnd = message.find('\n', at);
        if (lineEnd == std::string::npos)
            return std::nullopt;
        const std::string number = message.substr(at, lineEnd - at);
        char* end = nullptr;
        record.nativeError = std::strtoll(number.c_str(), &end, 10);
        if (number.empty() || *end != '\0')
            return std::nullopt;
        at = lineEnd + 1;
        // The text line runs to the newline before the next record or the trailer.
        const auto nextRecord = message.find("\n" + kRecordStart, at);
        const auto trailer = message.find("\n" + kTrailer, at);
        const auto textEnd = std::min(nextRecord, trailer);
        if (textEnd == std::string::npos)
            return std::nullopt;
        record.text = message.substr(at, textEnd - at);
        at = textEnd + 1;
        block.push_back(record);
    }
    if (!block.empty())
        return std::nullopt; // records without their trailer
    return blocks;
}

std::vector<std::string> CliCalls(const CallLog& log)
{
    std::vector<std::string> calls;
    for (const auto& line : log.Lines())
        if (line.rfind("SQL", 0) == 0)
            calls.push_back(line);
    return calls;
}

} // namespace rk::test
