#pragma once
// Injected failures, shared by the stand-in client (RKDB2_SIM_FAULTS) and
// the tests' in-process fake clients: rules "NAME[#N]=VALUE" that make the
// N-th call (counted from 1; every call without #N) of entry point NAME
// yield VALUE instead of doing its work. The first rule that matches wins.

#include <optional>
#include <string>
#include <vector>

namespace rk::sim {

class CRkFaultRules {
public:
    // The rules of a comma-separated list "NAME[#N]=VALUE,..."; items without
    // '=' are skipped, a VALUE or N that is not a number counts as 0.
    static CRkFaultRules Parse(const std::string& text);

    // The `callNumber`-th call of `name` yields `value`; call number 0: every call.
    void Add(std::string name, int callNumber, int value);

    // The value the `callNumber`-th call of `name` yields, if a rule says so.
    std::optional<int> Match(const std::string& name, int callNumber) const;

private:
    struct Rule {
        std::string name;
        int callNumber;
        int value;
    };
    std::vector<Rule> m_rules;
};

// The call-log line that follows an injected call's own line, in the rule's
// syntax with the call's number: "fault sqlengne_api@12#2=-1029".
std::string FaultLogLine(const std::string& name, int callNumber, int value);

} // namespace rk::sim
