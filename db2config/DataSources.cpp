#include "db2config/DataSources.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <tuple>

#include "db2/Db2Api.h"
#include "db2/Db2Keywords.h"
#include "db2/Db2Names.h"
#include "db2config/IniFile.h"
#include "db2config/XmlReader.h"

namespace rk::db2config {
namespace {

namespace keywords = db2::keywords;

std::string Place(const std::string& path, unsigned line)
{
    return line == 0 ? path + ": " : path + ", line " + std::to_string(line) + ": ";
}

bool IsPassword(const std::string& key)
{
    return db2::EqualIgnoringCase(key, "PWD") || db2::EqualIgnoringCase(key, "Password");
}

bool IsAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > 0x20 && byte < 0x7F;
    });
}

// A port of 1 to 65535, in digits.
bool IsPort(const std::string& text)
{
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const long port = std::stol(text);
    return port >= 1 && port <= 65535;
}

// The checks every entry of a file passes to be listed; false with the
// problem when it does not. Only the entry's name, and a port that is not
// one, are quoted.
bool CheckEntry(const DataSource& entry, const std::string& place, std::vector<std::string>& problems)
{
    std::string fault;
    if (entry.alias.empty() || entry.alias.size() > kMaxAliasLength || !IsAscii(entry.alias))
        fault = "the data source name must have 1 to " + std::to_string(kMaxAliasLength) +
                " characters of ASCII without blanks";
    else if (entry.database.size() > kMaxDatabaseLength || !IsAscii(entry.database) || entry.database.empty())
        fault = "the database name must have 1 to " + std::to_string(kMaxDatabaseLength) +
                " characters of ASCII without blanks";
    else if (entry.host.empty() || entry.host.size() > db2::nodeinfo::kHostName.width || !IsAscii(entry.host))
        fault = "the host name must have 1 to 255 characters of ASCII without blanks";
    else if (!IsPort(entry.port))
        fault =
            "the port \"" + (IsAscii(entry.port) ? entry.port : std::string("?")) + "\" is not a number of 1 to 65535";
    if (fault.empty())
        return true;
    problems.push_back(place + (entry.alias.empty() || !IsAscii(entry.alias) ? "" : entry.alias + ": ") + fault +
                       "; the entry is left out");
    return false;
}

// A keyword-valued setting (Protocol, Security, Authentication) into `code`;
// a value that is not one of its keywords is a problem, and the setting
// keeps its default.
template <std::size_t N>
void Keyword(const keywords::CodeKeyword (&table)[N], const char* key, const std::string& value, std::uint16_t& code,
             const std::string& place, std::vector<std::string>& problems)
{
    if (value.empty())
        return;
    if (const auto found = keywords::CodeOf(table, value))
        code = *found;
    else
        problems.push_back(place + key + " \"" + (IsAscii(value) ? value : "?") + "\" is not one of " +
                           keywords::KeywordList(table) + "; it is left out");
}

} // namespace

bool operator==(const DataSource& l, const DataSource& r)
{
    return std::tie(l.source, l.alias, l.database, l.host, l.port, l.protocol, l.security, l.authentication, l.file,
                    l.line, l.shadowed) == std::tie(r.source, r.alias, r.database, r.host, r.port, r.protocol,
                                                    r.security, r.authentication, r.file, r.line, r.shadowed);
}

const char* SourceName(Source source)
{
    switch (source) {
    case Source::kDirectory: return "directory";
    case Source::kCliIni: return "db2cli.ini";
    case Source::kDsDriverCfg: break;
    }
    return "db2dsdriver.cfg";
}

void ReadCliIniSources(const std::string& path, const std::string& text, std::vector<DataSource>& sources,
                       std::vector<std::string>& problems)
{
    std::vector<std::string> iniProblems;
    const std::vector<IniSection> sections = ReadIni(text, iniProblems);
    for (const auto& problem : iniProblems)
        problems.push_back(path + ", " + problem);
    for (const IniSection& section : sections) {
        // [COMMON] holds settings for every connection, no data source.
        if (db2::EqualIgnoringCase(section.name, "COMMON"))
            continue;
        DataSource entry;
        entry.source = Source::kCliIni;
        entry.alias = section.name;
        entry.file = path;
        entry.line = section.line;
        const auto value = [&](const char* key) {
            const IniKey* found = section.Find(key);
            return found != nullptr ? found->value : std::string();
        };
        // A section that names no host only adds keywords to a data source
        // of another source (the directory's, or DBALIAS's).
        if (value("Hostname").empty())
            continue;
        entry.database = value("Database");
        entry.host = value("Hostname");
        entry.port = value("Port").empty() ? value("ServiceName") : value("Port");
        const std::string place = Place(path, section.line);
        Keyword(keywords::kProtocols, "Protocol", value("Protocol"), entry.protocol, place, problems);
        Keyword(keywords::kSecurities, "Security", value("Security"), entry.security, place, problems);
        Keyword(keywords::kAuthentications, "Authentication", value("Authentication"), entry.authentication, place,
                problems);
        if (CheckEntry(entry, place, problems))
            sources.push_back(entry);
    }
}

void ReadDsDriverSources(const std::string& path, const std::string& text, std::vector<DataSource>& sources,
                         std::vector<std::string>& problems)
{
    // An empty file defines nothing, and is no fault.
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return;
    // Each <dsn> (under <dsncollection>) and <database> (under <databases>)
    // with the parameters of its <parameter> children; the dsns take the
    // parameters of the database of the same name, host and port too.
    struct Entry {
        DataSource source;
        bool isDsn;
        std::string securityParameter, authenticationParameter;
    };
    std::vector<Entry> entries;
    std::vector<std::string> stack;
    const auto attribute = [](const XmlElement& element, const char* name) {
        for (const auto& [key, value] : element.attributes)
            if (db2::EqualIgnoringCase(key, name))
                return value;
        return std::string();
    };
    std::string error;
    unsigned errorLine = 0;
    const bool wellFormed = ReadXmlElements(
        text,
        [&](const XmlElement& element) {
            stack.resize(element.depth);
            const std::string parent = element.depth > 0 ? stack[element.depth - 1] : std::string();
            const std::string grandparent = element.depth > 1 ? stack[element.depth - 2] : std::string();
            stack.push_back(element.name);
            if ((element.name == "dsn" && parent == "dsncollection") ||
                (element.name == "database" && parent == "databases")) {
                const bool isDsn = element.name == "dsn";
                DataSource entry;
                entry.source = Source::kDsDriverCfg;
                entry.alias = attribute(element, isDsn ? "alias" : "name");
                entry.database = attribute(element, "name");
                entry.host = attribute(element, "host");
                entry.port = attribute(element, "port");
                entry.file = path;
                entry.line = element.line;
                entries.push_back({entry, isDsn, {}, {}});
            } else if (element.name == "parameter" && !entries.empty() &&
                       ((parent == "dsn" && grandparent == "dsncollection") ||
                        (parent == "database" && grandparent == "databases"))) {
                const std::string name = attribute(element, "name");
                if (IsPassword(name))
                    return;
                if (db2::EqualIgnoringCase(name, "SecurityTransportMode"))
                    entries.back().securityParameter = attribute(element, "value");
                else if (db2::EqualIgnoringCase(name, "Authentication"))
                    entries.back().authenticationParameter = attribute(element, "value");
            }
        },
        error, errorLine);
    if (!wellFormed)
        problems.push_back(Place(path, errorLine) + error + "; what follows it is not read");
    // A dsn alias comes before a database of the same name: the dsns first.
    std::vector<DataSource> dsns;
    std::vector<DataSource> databases;
    for (Entry& entry : entries) {
        const std::string place = Place(path, entry.source.line);
        if (entry.isDsn) {
            // The <database> of the same name, host and port gives what the
            // dsn leaves unset.
            for (const Entry& other : entries) {
                if (other.isDsn || !db2::EqualIgnoringCase(other.source.database, entry.source.database) ||
                    !db2::EqualIgnoringCase(other.source.host, entry.source.host) ||
                    other.source.port != entry.source.port)
                    continue;
                if (entry.securityParameter.empty())
                    entry.securityParameter = other.securityParameter;
                if (entry.authenticationParameter.empty())
                    entry.authenticationParameter = other.authenticationParameter;
            }
        }
        Keyword(keywords::kSecurities, "SecurityTransportMode", entry.securityParameter, entry.source.security, place,
                problems);
        Keyword(keywords::kAuthentications, "Authentication", entry.authenticationParameter,
                entry.source.authentication, place, problems);
        if (CheckEntry(entry.source, place, problems))
            (entry.isDsn ? dsns : databases).push_back(entry.source);
    }
    sources.insert(sources.end(), dsns.begin(), dsns.end());
    sources.insert(sources.end(), databases.begin(), databases.end());
}

void ReadSourcesFile(Source source, const std::string& path, std::vector<DataSource>& sources,
                     std::vector<std::string>& problems)
{
    if (path.empty())
        return;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        problems.push_back(path + ": cannot be opened");
        return;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxFileSize) {
        problems.push_back(path + ": larger than " + std::to_string(kMaxFileSize >> 20) + " MB; not read");
        return;
    }
    file.seekg(0, std::ios::beg);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!file.read(&text[0], static_cast<std::streamsize>(size))) {
        problems.push_back(path + ": cannot be read");
        return;
    }
    if (source == Source::kCliIni)
        ReadCliIniSources(path, text, sources, problems);
    else
        ReadDsDriverSources(path, text, sources, problems);
}

void MarkShadowed(std::vector<DataSource>& inOrder)
{
    for (std::size_t i = 0; i < inOrder.size(); ++i) {
        inOrder[i].shadowed = false;
        for (std::size_t j = 0; j < i && !inOrder[i].shadowed; ++j)
            inOrder[i].shadowed = db2::EqualIgnoringCase(inOrder[i].alias, inOrder[j].alias);
    }
}

} // namespace rk::db2config
