#include "SyntheticDiagnostics.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "SimHooks.h"

namespace rk::sim {

std::optional<SyntheticDiagnostics> SyntheticDiagnostics::FromEnvironment()
{
    const std::string rules = os::GetEnv("RKDB2_SIM_DIAG");
    if (rules.empty())
        return std::nullopt;
    return Parse(rules);
}

SyntheticDiagnostics SyntheticDiagnostics::Parse(const std::string& rules)
{
    SyntheticDiagnostics diag;
    for (const auto& [key, value] : KeyValueList(rules)) {
        if (key == "count") {
            diag.count = std::atoi(value.c_str());
        } else if (key == "length") {
            diag.lengths.clear();
            std::istringstream lengths(value);
            for (std::string length; std::getline(lengths, length, ':');)
                diag.lengths.push_back(std::atoi(length.c_str()));
            if (diag.lengths.empty())
                diag.lengths.push_back(0);
        } else if (key == "state") {
            diag.state = value.substr(0, 5);
        } else if (key == "native") {
            diag.native = static_cast<db2::CliInteger>(std::strtol(value.c_str(), nullptr, 10));
        } else if (key == "type") {
            diag.handleType = static_cast<short>(std::atoi(value.c_str()));
        }
    }
    return diag;
}

std::string SyntheticDiagnostics::Text(int recordNumber, int length)
{
    return std::string(static_cast<std::size_t>(std::max(length, 0)), static_cast<char>('a' + (recordNumber - 1) % 26));
}

db2::CliReturn SyntheticDiagnostics::GetRecord(db2::CliHandle handle, short recordNumber, unsigned char* sqlstate,
                                               db2::CliInteger* nativeError, unsigned char* text, short bufferLength,
                                               short* textLength) const
{
    if (handle == nullptr)
        return db2::kCliInvalidHandle;
    if (recordNumber < 1 || bufferLength < 0)
        return db2::kCliError;
    if (recordNumber > count)
        return db2::kCliNoData;

    const auto lengthIndex = std::min<std::size_t>(static_cast<std::size_t>(recordNumber - 1), lengths.size() - 1);
    const std::string full = Text(recordNumber, lengths[lengthIndex]);
    if (sqlstate != nullptr) {
        std::memset(sqlstate, 0, db2::kCliSqlstateBufferSize);
        std::memcpy(sqlstate, state.data(), state.size());
    }
    if (nativeError != nullptr)
        *nativeError = native;
    if (textLength != nullptr)
        *textLength = static_cast<short>(full.size());
    const bool fits = full.size() < static_cast<std::size_t>(bufferLength);
    if (text != nullptr && bufferLength > 0) {
        const std::size_t copied = fits ? full.size() : static_cast<std::size_t>(bufferLength) - 1;
        std::memcpy(text, full.data(), copied);
        text[copied] = '\0';
    }
    return fits ? db2::kCliSuccess : db2::kCliSuccessWithInfo;
}

} // namespace rk::sim
