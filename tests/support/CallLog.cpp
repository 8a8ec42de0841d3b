#include "CallLog.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "TestEnv.h"
#include "TestPaths.h"

namespace rk::test {

CallLog::CallLog(const std::string& onlyCalls) : m_path(TemporaryPath("rkdb2-calls"))
{
    os::SetEnv("RKDB2_SIM_CALL_LOG", m_path);
    if (onlyCalls.empty())
        os::UnsetEnv("RKDB2_SIM_CALL_LOG_ONLY");
    else
        os::SetEnv("RKDB2_SIM_CALL_LOG_ONLY", onlyCalls);
}

CallLog::~CallLog()
{
    os::UnsetEnv("RKDB2_SIM_CALL_LOG");
    os::UnsetEnv("RKDB2_SIM_CALL_LOG_ONLY");
    std::remove(m_path.c_str());
}

std::vector<std::string> CallLog::Lines() const
{
    std::vector<std::string> lines;
    std::ifstream file(m_path);
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

int CallLog::Count(const std::string& line) const
{
    const auto lines = Lines();
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

int CallLog::IndexOf(const std::string& line) const
{
    const auto lines = Lines();
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

void CallLog::Clear() { std::remove(m_path.c_str()); }

ScopedFaults::ScopedFaults(const std::string& rules) { os::SetEnv("RKDB2_SIM_FAULTS", rules); }
ScopedFaults::~ScopedFaults() { os::UnsetEnv("RKDB2_SIM_FAULTS"); }

} // namespace rk::test
