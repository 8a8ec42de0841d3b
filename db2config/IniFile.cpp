#include "db2config/IniFile.h"

#include <sstream>

#include "db2/Db2Names.h"

namespace rk::db2config {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Trim(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string Where(unsigned line) { return "line " + std::to_string(line) + ": "; }

} // namespace

const IniKey* IniSection::Find(const std::string& wanted) const
{
    for (const auto& key : keys)
        if (db2::EqualIgnoringCase(key.name, wanted))
            return &key;
    return nullptr;
}

std::vector<IniSection> ReadIni(const std::string& text, std::vector<std::string>& problems)
{
    std::vector<IniSection> sections;
    std::istringstream lines(text);
    unsigned number = 0;
    bool inSection = false;
    for (std::string raw; std::getline(lines, raw);) {
        ++number;
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            inSection = false;
            if (line.back() != ']') {
                problems.push_back(Where(number) + "a section line without its closing bracket");
                continue;
            }
            const std::string name = Trim(line.substr(1, line.size() - 2));
            if (name.empty()) {
                problems.push_back(Where(number) + "a section without a name; its keys are left out");
                continue;
            }
            sections.push_back({name, number, {}});
            inSection = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || Trim(line.substr(0, equals)).empty()) {
            problems.push_back(Where(number) + "neither a [section] nor a key = value line");
            continue;
        }
        if (!inSection) {
            problems.push_back(Where(number) + "a key outside any section");
            continue;
        }
        IniSection& section = sections.back();
        const std::string name = Trim(line.substr(0, equals));
        if (section.Find(name) == nullptr)
            section.keys.push_back({name, Trim(line.substr(equals + 1)), number});
    }
    return sections;
}

} // namespace rk::db2config
