#include "FaultRules.h"

#include <cstdlib>
#include <utility>

#include "SimHooks.h"

namespace rk::sim {

CRkFaultRules CRkFaultRules::Parse(const std::string& text)
{
    CRkFaultRules rules;
    for (auto [target, value] : KeyValueList(text)) {
        int callNumber = 0;
        const auto hash = target.find('#');
        if (hash != std::string::npos) {
            callNumber = std::atoi(target.c_str() + hash + 1);
            target.erase(hash);
        }
        rules.Add(std::move(target), callNumber, std::atoi(value.c_str()));
    }
    return rules;
}

void CRkFaultRules::Add(std::string name, int callNumber, int value)
{
    m_rules.push_back(Rule{std::move(name), callNumber, value});
}

std::optional<int> CRkFaultRules::Match(const std::string& name, int callNumber) const
{
    for (const Rule& rule : m_rules) {
        if (rule.name == name && (rule.callNumber == 0 || rule.callNumber == callNumber))
            return rule.value;
    }
    return std::nullopt;
}

std::string FaultLogLine(const std::string& name, int callNumber, int value)
{
    return "fault " + name + "#" + std::to_string(callNumber) + "=" + std::to_string(value);
}

} // namespace rk::sim
