#include "SimHooks.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <sstream>

#include "FaultRules.h"
#include "os/Files.h"

namespace rk::sim {
namespace {

std::mutex g_countMutex;
std::map<std::string, int>& CallCounts()
{
    static std::map<std::string, int> counts;
    return counts;
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
    const std::string logPath = os::GetEnv("RKDB2_SIM_CALL_LOG");
    if (logPath.empty())
        return;
    os::AppendToFile(os::PlatformPath(logPath), line + "\n");
}

std::optional<int> EnterCall(const char* exportName)
{
    int callNumber = 0;
    {
        std::lock_guard<std::mutex> lock(g_countMutex);
        callNumber = ++CallCounts()[exportName];
    }
    const std::string only = os::GetEnv("RKDB2_SIM_CALL_LOG_ONLY");
    const bool logged =
        only.empty() || ("," + only + ",").find("," + std::string(exportName) + ",") != std::string::npos;
    if (logged)
        LogLine(exportName);
    const std::optional<int> injected =
        CRkFaultRules::Parse(os::GetEnv("RKDB2_SIM_FAULTS")).Match(exportName, callNumber);
    if (injected && logged)
        LogLine(FaultLogLine(exportName, callNumber, *injected));
    return injected;
}

} // namespace rk::sim
