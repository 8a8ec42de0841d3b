#include "SimHooks.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <sstream>

#include "os/Files.h"

namespace rk::sim {
namespace {

std::mutex g_countMutex;
std::map<std::string, int>& CallCounts()
{
    static std::map<std::string, int> counts;
    return counts;
}

// Finds the rule for this call in "NAME[#N]=VALUE,..." and returns VALUE.
std::optional<int> MatchRule(const std::string& rules, const std::string& name, int callNumber)
{
    for (auto [target, value] : KeyValueList(rules)) {
        int wanted = 0;
        const auto hash = target.find('#');
        if (hash != std::string::npos) {
            wanted = std::atoi(target.c_str() + hash + 1);
            target.erase(hash);
        }
        if (target == name && (wanted == 0 || wanted == callNumber))
            return std::atoi(value.c_str());
    }
    return std::nullopt;
}

} // namespace

std::vector<std::pair<std::string, std::string>> KeyValueList(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> items;
    std::istringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');) {
        const auto equals = item.find('=');
        if (equals != std::string::npos)
            items.emplace_back(item.substr(0, equals), item.substr(equals + 1));
    }
    return items;
}

void LogLine(const std::string& line)
{
    const std::string logPath = GetEnv("RKDB2_SIM_CALL_LOG");
    if (logPath.empty())
        return;
    os::AppendToFile(PlatformPath(logPath), line + "\n");
}

std::optional<int> EnterCall(const char* exportName)
{
    int callNumber = 0;
    {
        std::lock_guard<std::mutex> lock(g_countMutex);
        callNumber = ++CallCounts()[exportName];
    }
    const std::string only = GetEnv("RKDB2_SIM_CALL_LOG_ONLY");
    if (only.empty() || ("," + only + ",").find("," + std::string(exportName) + ",") != std::string::npos)
        LogLine(exportName);
    return MatchRule(GetEnv("RKDB2_SIM_FAULTS"), exportName, callNumber);
}

} // namespace rk::sim
