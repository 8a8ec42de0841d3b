#include "SimHooks.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <sstream>

#if defined(_WIN32)
#  include <windows.h>
#endif

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

std::string GetEnv(const char* name)
{
#if defined(_WIN32)
    char buffer[4096];
    const DWORD length = ::GetEnvironmentVariableA(name, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return std::string();
    return std::string(buffer, length);
#else
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
#endif
}

std::string PlatformPath(const std::string& path)
{
#if defined(_WIN32)
    if (!path.empty() && path[0] == '/')
        return "Z:" + path;
#endif
    return path;
}

void LogLine(const std::string& line)
{
    const std::string logPath = GetEnv("RKDB2_SIM_CALL_LOG");
    if (logPath.empty())
        return;
    if (std::FILE* file = std::fopen(PlatformPath(logPath).c_str(), "ab")) {
        std::fputs((line + "\n").c_str(), file);
        std::fclose(file);
    }
}

std::optional<int> EnterCall(const char* exportName)
{
    int callNumber = 0;
    {
        std::lock_guard<std::mutex> lock(g_countMutex);
        callNumber = ++CallCounts()[exportName];
    }
    LogLine(exportName);
    return MatchRule(GetEnv("RKDB2_SIM_FAULTS"), exportName, callNumber);
}

} // namespace rk::sim
