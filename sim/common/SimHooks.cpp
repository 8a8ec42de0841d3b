#include "SimHooks.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <sstream>

#include "FaultRules.h"

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

namespace {

#if defined(_WIN32)
// Windows' C run-time appends by moving to the end and then writing, and
// Wine's append access is no better: two writers at once can write over each
// other's line. Every writer of one log, in any of the three libraries and
// any process, holds the same named mutex while it appends. Each library
// opens it once per log; its threads take their own lock first, which also
// keeps the handle while another thread uses it.
class CRkLogMutex {
public:
    ~CRkLogMutex()
    {
        if (m_mutex != nullptr)
            ::CloseHandle(m_mutex);
    }

    // Holds the named mutex of the log at `logPath` for the life of the result.
    class CRkHeld {
    public:
        CRkHeld(CRkLogMutex& owner, const std::string& logPath) : m_lock(owner.m_threads)
        {
            m_mutex = owner.Open(logPath);
            if (m_mutex != nullptr && ::WaitForSingleObject(m_mutex, INFINITE) == WAIT_FAILED)
                m_mutex = nullptr;
        }
        ~CRkHeld()
        {
            if (m_mutex != nullptr)
                ::ReleaseMutex(m_mutex);
        }
        CRkHeld(const CRkHeld&) = delete;
        CRkHeld& operator=(const CRkHeld&) = delete;

    private:
        std::lock_guard<std::mutex> m_lock;
        HANDLE m_mutex = nullptr;
    };

private:
    HANDLE Open(const std::string& logPath)
    {
        if (m_mutex != nullptr && logPath == m_logPath)
            return m_mutex;
        if (m_mutex != nullptr)
            ::CloseHandle(m_mutex);
        m_logPath = logPath;
        const std::string name = "rkdb2-sim-call-log-" + std::to_string(std::hash<std::string>{}(logPath));
        m_mutex = ::CreateMutexA(nullptr, FALSE, name.c_str());
        return m_mutex;
    }

    std::mutex m_threads;
    std::string m_logPath;
    HANDLE m_mutex = nullptr;
};

CRkLogMutex g_logMutex;
#endif

} // namespace

void LogLine(const std::string& line)
{
    const std::string logPath = GetEnv("RKDB2_SIM_CALL_LOG");
    if (logPath.empty())
        return;
#if defined(_WIN32)
    const CRkLogMutex::CRkHeld held(g_logMutex, logPath);
#endif
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
    const std::string only = GetEnv("RKDB2_SIM_CALL_LOG_ONLY");
    const bool logged =
        only.empty() || ("," + only + ",").find("," + std::string(exportName) + ",") != std::string::npos;
    if (logged)
        LogLine(exportName);
    const std::optional<int> injected = FaultRules::Parse(GetEnv("RKDB2_SIM_FAULTS")).Match(exportName, callNumber);
    if (injected && logged)
        LogLine(FaultLogLine(exportName, callNumber, *injected));
    return injected;
}

} // namespace rk::sim
