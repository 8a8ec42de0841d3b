#include "StoreFormat.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <sstream>

namespace rk::sim::store {
namespace {

// One key of an entry's block: how to read it into the entry and how to
// write it from the entry. The reader and the writer share these tables, so
// a key cannot be written under one name and read under another. A value
// the field cannot take makes `set` throw std::invalid_argument.
template <typename Entry>
struct Key {
    const char* name;
    std::function<void(Entry&, const std::string&)> set;
    std::function<std::string(const Entry&)> get;
};

template <typename Entry>
Key<Entry> TextKey(const char* name, std::string Entry::*field)
{
    return {name, [field](Entry& e, const std::string& v) { e.*field = v; },
            [field](const Entry& e) { return e.*field; }};
}

// A decimal number that fits `Number`; no value at all reads as 0.
template <typename Number>
Number ParseNumber(const std::string& value)
{
    if (value.empty())
        return 0;
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    if (end == value.c_str() || *end != '\0')
        throw std::invalid_argument("\"" + value + "\" is not a number");
    if (number < std::numeric_limits<Number>::min() || number > std::numeric_limits<Number>::max())
        throw std::invalid_argument(value + " is out of range");
    return static_cast<Number>(number);
}

template <typename Entry, typename Number>
Key<Entry> NumberKey(const char* name, Number Entry::*field)
{
    return {name, [field](Entry& e, const std::string& v) { e.*field = ParseNumber<Number>(v); },
            [field](const Entry& e) { return std::to_string(e.*field); }};
}

// The entry type is one character, kept as that byte.
template <typename Entry>
Key<Entry> CharacterKey(const char* name, unsigned char Entry::*field)
{
    const std::string key = name;
    return {name,
            [field, key](Entry& e, const std::string& v) {
                if (v.size() > 1)
                    throw std::invalid_argument(key + " takes one character");
                e.*field = v.empty() ? 0 : static_cast<unsigned char>(v[0]);
            },
            [field](const Entry& e) {
                return e.*field == 0 ? std::string() : std::string(1, static_cast<char>(e.*field));
            }};
}

const std::vector<Key<NodeEntry>>& NodeKeys()
{
    static const std::vector<Key<NodeEntry>> keys = {
        TextKey("host", &NodeEntry::hostName),         TextKey("service", &NodeEntry::serviceName),
        TextKey("instance", &NodeEntry::instanceName), TextKey("remote_instance", &NodeEntry::remoteInstanceName),
        NumberKey("os_type", &NodeEntry::osType),      TextKey("comment", &NodeEntry::comment),
        NumberKey("protocol", &NodeEntry::protocol),   NumberKey("security", &NodeEntry::security),
        TextKey("system", &NodeEntry::systemName),
    };
    return keys;
}

const std::vector<Key<DatabaseEntry>>& DatabaseKeys()
{
    static const std::vector<Key<DatabaseEntry>> keys = {
        TextKey("name", &DatabaseEntry::databaseName),
        TextKey("path", &DatabaseEntry::drivePath),
        TextKey("internal_name", &DatabaseEntry::internalName),
        TextKey("node", &DatabaseEntry::nodeName),
        TextKey("type", &DatabaseEntry::databaseType),
        TextKey("comment", &DatabaseEntry::comment),
        CharacterKey("entry_type", &DatabaseEntry::entryType),
        NumberKey("authentication", &DatabaseEntry::authentication),
        NumberKey("catalog_node_number", &DatabaseEntry::catalogNodeNumber),
        TextKey("alt_host", &DatabaseEntry::altHostName),
        TextKey("alt_port", &DatabaseEntry::altPortNumber),
        TextKey("principal", &DatabaseEntry::principal),
    };
    return keys;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string TrimRight(const std::string& text)
{
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string Trim(const std::string& text)
{
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin]))
        ++begin;
    return TrimRight(text.substr(begin));
}

// "[kind name]": the name, or CRkFormatError.
std::string HeaderName(const std::string& trimmed, const std::string& kind, std::size_t number)
{
    const std::size_t close = trimmed.find(']');
    if (close == std::string::npos)
        throw CRkFormatError(number, "no closing bracket");
    if (close + 1 != trimmed.size())
        throw CRkFormatError(number, "text after the closing bracket");
    const std::string header = Trim(trimmed.substr(1, close - 1));
    const std::size_t space = header.find_first_of(" \t");
    const std::string word = header.substr(0, space);
    if (word != kind)
        throw CRkFormatError(number, "[" + word + "] blocks do not belong in this file");
    const std::string name = space == std::string::npos ? std::string() : Trim(header.substr(space));
    if (name.empty())
        throw CRkFormatError(number, "[" + kind + "] without a name");
    return name;
}

template <typename Entry>
std::vector<Entry> Parse(const std::string& text, const std::string& kind, std::string Entry::*nameField,
                         const std::vector<Key<Entry>>& keys)
{
    std::vector<Entry> entries;
    std::istringstream lines(text);
    std::size_t number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        if (trimmed[0] == '[') {
            entries.emplace_back();
            entries.back().*nameField = HeaderName(trimmed, kind, number);
            continue;
        }
        if (entries.empty())
            throw CRkFormatError(number, "text before the first [" + kind + "] block");
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            throw CRkFormatError(number, "not a \"key = value\" line");
        const std::string name = Trim(line.substr(0, equals));
        std::string value = TrimRight(line.substr(equals + 1));
        if (!value.empty() && value[0] == ' ')
            value.erase(0, 1);
        const auto key = std::find_if(keys.begin(), keys.end(), [&](const Key<Entry>& k) { return name == k.name; });
        if (key == keys.end())
            throw CRkFormatError(number, "unknown key \"" + name + "\"");
        try {
            key->set(entries.back(), value);
        } catch (const std::invalid_argument& problem) {
            throw CRkFormatError(number, problem.what());
        }
    }
    return entries;
}

// A value that holds a line break would end its line early: the break
// becomes a blank.
std::string OneLine(std::string value)
{
    for (char& c : value) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return value;
}

template <typename Entry>
std::string Format(const std::vector<Entry>& entries, const char* title, const std::string& kind,
                   std::string Entry::*nameField, const std::vector<Key<Entry>>& keys)
{
    std::string text = std::string("# ") + title + " of the stand-in DB2 client (format: sim/README.md).\n";
    for (const Entry& entry : entries) {
        text += "\n[" + kind + " " + OneLine(entry.*nameField) + "]\n";
        for (const auto& key : keys) {
            const std::string value = OneLine(key.get(entry));
            text += std::string(key.name) + (value.empty() ? " =" : " = ") + value + "\n";
        }
    }
    return text;
}

} // namespace

CRkFormatError::CRkFormatError(std::size_t line, const std::string& problem)
    : std::runtime_error("line " + std::to_string(line) + ": " + problem)
{
}

std::vector<NodeEntry> ParseNodes(const std::string& text)
{
    return Parse(text, "node", &NodeEntry::nodeName, NodeKeys());
}

std::vector<DatabaseEntry> ParseDatabases(const std::string& text)
{
    return Parse(text, "database", &DatabaseEntry::alias, DatabaseKeys());
}

std::string FormatNodes(const std::vector<NodeEntry>& nodes)
{
    return Format(nodes, "Node directory", "node", &NodeEntry::nodeName, NodeKeys());
}

std::string FormatDatabases(const std::vector<DatabaseEntry>& databases)
{
    return Format(databases, "System database directory", "database", &DatabaseEntry::alias, DatabaseKeys());
}

} // namespace rk::sim::store
