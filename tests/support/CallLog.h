#pragma once
// The stand-in client's call log: one line per entry-point call and per
// library load and unload. Creating a CallLog points the stand-in at a fresh
// file; the test reads it after the calls.

#include <string>
#include <vector>

namespace rk::test {

class CallLog {
public:
    // `onlyCalls`: comma-separated entry point names whose calls alone are
    // logged, besides loads and unloads; empty logs every call.
    explicit CallLog(const std::string& onlyCalls = "");
    ~CallLog();
    CallLog(const CallLog&) = delete;
    CallLog& operator=(const CallLog&) = delete;

    std::vector<std::string> Lines() const;
    // How many lines equal `line`.
    int Count(const std::string& line) const;
    // Position of the first line equal to `line`, or -1.
    int IndexOf(const std::string& line) const;
    void Clear();

private:
    std::string m_path;
};

// Sets RKDB2_SIM_FAULTS for one scope (see the stand-in client's hooks).
class ScopedFaults {
public:
    explicit ScopedFaults(const std::string& rules);
    ~ScopedFaults();
    ScopedFaults(const ScopedFaults&) = delete;
    ScopedFaults& operator=(const ScopedFaults&) = delete;
};

} // namespace rk::test
