#pragma once
// The stand-in client's test hooks, after SQLite's overridable system-call
// table: every entry point announces itself here first. The call is appended
// to the call log, and a scenario may tell the entry point to fail instead
// of doing its work.
//
//   RKDB2_SIM_CALL_LOG  file that receives one line per call ("sqlenops_api@12")
//                       and per library load and unload ("load db2app.dll")
//   RKDB2_SIM_CALL_LOG_ONLY  comma-separated entry point names: only their
//                       calls are logged (loads and unloads always are)
//   RKDB2_SIM_FAULTS    comma-separated rules NAME[#N]=VALUE: the N-th call
//                       (counted from 1 in this process; every call without
//                       #N) of entry point NAME yields VALUE: an SQLCODE for
//                       the administrative calls, the result for the message
//                       and CLI calls. NAME is the entry point's Windows export
//                       name, decoration included, on every platform. An
//                       injected call's log line is followed by one naming
//                       the fault ("fault sqlengne_api@12#2=-1029"; FaultRules.h).
//
// Both are read afresh on every call, so a test may change them between calls.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "os/Environment.h"
#include "os/Paths.h"

namespace rk::sim {

// Records the call and counts it; returns the injected value when a rule
// matches this call.
std::optional<int> EnterCall(const char* exportName);

// Appends one line to the call log, if one is configured.
void LogLine(const std::string& line);

// The KEY=VALUE items of a comma-separated list, in order; items without
// '=' are skipped. Both RKDB2_SIM_FAULTS and the CLI's RKDB2_SIM_DIAG use it.
std::vector<std::pair<std::string, std::string>> KeyValueList(const std::string& text);

} // namespace rk::sim
