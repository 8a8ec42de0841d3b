#include "ConnectionDiagnostics.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace rk::sim {
namespace {

struct Record {
    std::string sqlstate;
    db2::CliInteger nativeError;
    std::string text;
};

std::mutex g_lock;
std::map<db2::CliHandle, std::vector<Record>>& Records()
{
    static std::map<db2::CliHandle, std::vector<Record>> records;
    return records;
}

} // namespace

void SetConnectionDiagnostic(db2::CliHandle dbc, const std::string& sqlstate, db2::CliInteger nativeError,
                             const std::string& text)
{
    const std::lock_guard<std::mutex> lock(g_lock);
    Records()[dbc] = {{sqlstate, nativeError, text}};
}

void ClearConnectionDiagnostics(db2::CliHandle dbc)
{
    const std::lock_guard<std::mutex> lock(g_lock);
    Records().erase(dbc);
}

bool HasConnectionDiagnostics(db2::CliHandle dbc)
{
    const std::lock_guard<std::mutex> lock(g_lock);
    return Records().count(dbc) != 0;
}

db2::CliReturn GetConnectionDiagnostic(db2::CliHandle dbc, short recordNumber, unsigned char* sqlstate,
                                       db2::CliInteger* nativeError, unsigned char* text, short bufferLength,
                                       short* textLength)
{
    const std::lock_guard<std::mutex> lock(g_lock);
    const auto found = Records().find(dbc);
    if (found == Records().end())
        return db2::kCliNoData;
    if (recordNumber < 1 || bufferLength < 0)
        return db2::kCliError;
    if (static_cast<std::size_t>(recordNumber) > found->second.size())
        return db2::kCliNoData;
    const Record& record = found->second[static_cast<std::size_t>(recordNumber - 1)];
    if (sqlstate != nullptr)
        std::memcpy(sqlstate, record.sqlstate.c_str(), 6);
    if (nativeError != nullptr)
        *nativeError = record.nativeError;
    if (textLength != nullptr)
        *textLength = static_cast<short>(record.text.size());
    if (text == nullptr || bufferLength == 0)
        return db2::kCliSuccessWithInfo;
    const std::size_t room = static_cast<std::size_t>(bufferLength) - 1;
    const std::size_t length = std::min(room, record.text.size());
    std::memcpy(text, record.text.data(), length);
    text[length] = '\0';
    return length < record.text.size() ? db2::kCliSuccessWithInfo : db2::kCliSuccess;
}

} // namespace rk::sim
