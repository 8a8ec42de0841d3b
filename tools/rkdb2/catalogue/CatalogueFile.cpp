#include "CatalogueFile.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <optional>
#include <set>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "CatalogKeywords.h"
#include "db2/Db2Api.h"
#include "db2/Db2Names.h"

namespace rkdb2 {
namespace {

using Json = nlohmann::ordered_json;

// A refused field: what() is "path: why".
class BadField : public std::runtime_error {
public:
    BadField(const std::string& path, const std::string& why) : std::runtime_error(path + ": " + why) { }
};

// A JSON string as the client's bytes: each character must be one of
// U+0000 to U+00FF, the Latin-1 character of its byte.
std::string Bytes(const std::string& utf8, const std::string& path)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
        } else if ((lead == 0xC2 || lead == 0xC3) && i + 1 < utf8.size()) {
            bytes += static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            throw BadField(path, "holds a character above U+00FF, which is no byte of the client's code page");
        }
    }
    return bytes;
}

bool HasControlCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

void CheckText(const std::string& text, std::size_t maxLength, bool required, const std::string& path)
{
    if (required && text.empty())
        throw BadField(path, "is empty");
    if (text.size() > maxLength)
        throw BadField(path, "has " + std::to_string(text.size()) + " characters, more than the " +
                                 std::to_string(maxLength) + " DB2 takes");
    if (HasControlCharacter(text))
        throw BadField(path, "holds a control character");
}

// One object of the document, its fields read by name and each checked; a
// field it does not know is refused, so that a misspelt one is not lost.
class Fields {
public:
    Fields(const Json& object, std::string path, std::initializer_list<const char*> known)
        : m_object(object), m_path(std::move(path))
    {
        if (!object.is_object())
            throw BadField(m_path, "is not an object");
        for (const auto& item : object.items())
            if (std::none_of(known.begin(), known.end(), [&](const char* name) { return item.key() == name; }))
                throw BadField(m_path + "." + item.key(), "is not a field of this entry");
    }

    std::string Path(const char* name) const { return m_path + "." + name; }

    // A text of at most `maxLength` bytes without control characters; null
    // or absent is empty, which a required text is not.
    std::string Text(const char* name, std::size_t maxLength, bool required) const
    {
        const Json* value = Find(name);
        if (value == nullptr || value->is_null()) {
            if (required)
                throw BadField(Path(name), value == nullptr ? "is missing" : "is null, and it is required");
            return std::string();
        }
        if (!value->is_string())
            throw BadField(Path(name), "is not a text");
        const std::string text = Bytes(value->get<std::string>(), Path(name));
        CheckText(text, maxLength, required, Path(name));
        return text;
    }

    // A keyword of `table` (any case) or, where `numbers` allows, a code of
    // 0 to 65535; null or absent is `absent`.
    std::uint16_t Code(const char* name, Keywords table, std::uint16_t absent, bool numbers) const
    {
        const Json* value = Find(name);
        if (value == nullptr || value->is_null())
            return absent;
        if (value->is_string()) {
            if (const auto code = CodeOf(table, value->get<std::string>()))
                return *code;
            throw BadField(Path(name), "is \"" + value->get<std::string>() + "\", not one of " + KeywordList(table));
        }
        if (numbers && value->is_number_unsigned() && value->get<std::uint64_t>() <= 0xFFFF)
            return static_cast<std::uint16_t>(value->get<std::uint64_t>());
        throw BadField(Path(name), std::string("is not ") + (numbers ? "a keyword or a code" : "a keyword") + " (" +
                                       KeywordList(table) + ")");
    }

private:
    const Json* Find(const char* name) const
    {
        const auto found = m_object.find(name);
        return found != m_object.end() ? &*found : nullptr;
    }

    const Json& m_object;
    std::string m_path;
};

const Json& Array(const Json& root, const char* name)
{
    const auto found = root.find(name);
    if (found == root.end())
        throw BadField(name, "is missing");
    if (!found->is_array())
        throw BadField(name, "is not an array");
    return *found;
}

void CheckName(const std::string& name, const std::string& path, bool node)
{
    if (node ? rk::db2::IsValidNodeName(name) : rk::db2::IsValidDirectoryName(name))
        return;
    throw BadField(path, "\"" + name + "\" is not a DB2 " + (node ? "node name" : "name") +
                             " (1 to 8 of A-Z, a-z, 0-9, @, #, $" + (node ? ", not starting with a digit)" : ")"));
}

void CheckWord(const std::string& text, const std::string& path)
{
    if (text.find(' ') != std::string::npos)
        throw BadField(path, "holds a blank");
}

CatalogueNode ReadNode(const Json& object, const std::string& path)
{
    const Fields fields(
        object, path,
        {"name", "host", "service", "protocol", "security", "comment", "remoteInstance", "system", "osType"});
    namespace ni = rk::db2::nodeinfo;
    CatalogueNode node;
    node.name = fields.Text("name", ni::kNodeName.width, true);
    CheckName(node.name, fields.Path("name"), true);
    node.host = fields.Text("host", ni::kHostName.width, true);
    CheckWord(node.host, fields.Path("host"));
    node.service = fields.Text("service", ni::kServiceName.width, true);
    CheckWord(node.service, fields.Path("service"));
    node.protocol = fields.Code("protocol", Keywords::kProtocol, RKDB2_PROTOCOL_TCPIP, false);
    node.security = fields.Code("security", Keywords::kSecurity, RKDB2_SECURITY_NONE, false);
    node.comment = fields.Text("comment", ni::kComment.width, false);
    node.remoteInstance = fields.Text("remoteInstance", ni::kRemoteInstanceName.width, false);
    node.systemName = fields.Text("system", ni::kSystemName.width, false);
    node.osType = fields.Code("osType", Keywords::kOsType, 0, true);
    return node;
}

bool TakesPrincipal(std::uint16_t authentication)
{
    return authentication == RKDB2_AUTHENTICATION_KERBEROS ||
           authentication == RKDB2_AUTHENTICATION_KRB_SERVER_ENCRYPT || authentication == RKDB2_AUTHENTICATION_DCE ||
           authentication == RKDB2_AUTHENTICATION_DCE_SERVER_ENCRYPT;
}

CatalogueDatabase ReadDatabase(const Json& object, const std::string& path)
{
    const Fields fields(
        object, path,
        {"database", "alias", "node", "authentication", "principal", "comment", "altHostName", "altPortNumber"});
    namespace di = rk::db2::dbinfo;
    CatalogueDatabase database;
    database.database = fields.Text("database", di::kDatabaseName.width, true);
    CheckName(database.database, fields.Path("database"), false);
    database.alias = fields.Text("alias", di::kAlias.width, false);
    if (database.alias.empty())
        database.alias = database.database;
    CheckName(database.alias, fields.Path("alias"), false);
    database.node = fields.Text("node", di::kNodeName.width, true);
    CheckName(database.node, fields.Path("node"), true);
    database.authentication =
        fields.Code("authentication", Keywords::kAuthentication, RKDB2_AUTHENTICATION_NOT_SPECIFIED, true);
    database.principal = fields.Text("principal", rk::db2::kMaxPrincipalLength, false);
    CheckWord(database.principal, fields.Path("principal"));
    if (!database.principal.empty() && !TakesPrincipal(database.authentication))
        throw BadField(fields.Path("principal"), "is only for KERBEROS, KRB_SERVER_ENCRYPT, DCE and "
                                                 "DCE_SERVER_ENCRYPT authentication");
    database.comment = fields.Text("comment", di::kComment.width, false);
    database.altHost = fields.Text("altHostName", di::kAltHostName.width, false);
    CheckWord(database.altHost, fields.Path("altHostName"));
    database.altPort = fields.Text("altPortNumber", di::kAltPortNumber.width, false);
    CheckWord(database.altPort, fields.Path("altPortNumber"));
    if (database.altHost.empty() != database.altPort.empty())
        throw BadField(fields.Path(database.altHost.empty() ? "altHostName" : "altPortNumber"),
                       "is missing: an alternate server has a host and a port");
    return database;
}

// The place of byte `offset` of `text`, counted from 1.
std::string LineAndColumn(const std::string& text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    const std::size_t line = static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n')) + 1;
    const std::size_t lineStart = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t column = offset - (lineStart == std::string::npos ? 0 : lineStart + 1) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

template <typename Entry>
void CheckUnique(const std::vector<Entry>& entries, std::string Entry::*name, const char* array, const char* field)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (rk::db2::EqualIgnoringCase(entries[i].*name, entries[j].*name))
                throw BadField(std::string(array) + "[" + std::to_string(i) + "]." + field,
                               "\"" + entries[i].*name + "\" is listed already, as " + array + "[" + std::to_string(j) +
                                   "]");
}

} // namespace

bool CheckNodeArguments(const CatalogueNode& node, std::string& error)
{
    namespace ni = rk::db2::nodeinfo;
    try {
        CheckText(node.name, ni::kNodeName.width, true, "NAME");
        CheckName(node.name, "NAME", true);
        CheckText(node.host, ni::kHostName.width, true, "--host");
        CheckWord(node.host, "--host");
        CheckText(node.service, ni::kServiceName.width, true, "--service");
        CheckWord(node.service, "--service");
        CheckText(node.comment, ni::kComment.width, false, "--comment");
        return true;
    } catch (const BadField& bad) {
        error = bad.what();
        return false;
    }
}

bool CheckDatabaseArguments(const CatalogueDatabase& database, std::string& error)
{
    namespace di = rk::db2::dbinfo;
    try {
        CheckText(database.alias, di::kAlias.width, true, "ALIAS");
        CheckName(database.alias, "ALIAS", false);
        CheckText(database.database, di::kDatabaseName.width, true, "--database");
        CheckName(database.database, "--database", false);
        CheckText(database.node, di::kNodeName.width, true, "--node");
        CheckName(database.node, "--node", true);
        CheckText(database.principal, rk::db2::kMaxPrincipalLength, false, "--principal");
        CheckWord(database.principal, "--principal");
        if (!database.principal.empty() && !TakesPrincipal(database.authentication))
            throw BadField("--principal", "is only for KERBEROS, KRB_SERVER_ENCRYPT, DCE and DCE_SERVER_ENCRYPT "
                                          "authentication");
        CheckText(database.comment, di::kComment.width, false, "--comment");
        CheckText(database.altHost, di::kAltHostName.width, false, "--alternate");
        CheckWord(database.altHost, "--alternate");
        CheckText(database.altPort, di::kAltPortNumber.width, false, "--alternate");
        return true;
    } catch (const BadField& bad) {
        error = bad.what();
        return false;
    }
}

bool ReadCatalogueFile(const std::string& text, Catalogue& catalogue, std::string& error)
{
    Json root;
    try {
        root = Json::parse(text);
    } catch (const Json::parse_error& failure) {
        // nlohmann's text repeats the place ("[json.exception...] parse error
        // at line 2, column 17: syntax error ..."): its reason alone follows
        // the place counted here, one byte before the position it reports.
        std::string reason = failure.what();
        const std::size_t colon = reason.find(": ", reason.find("column"));
        if (colon != std::string::npos)
            reason = reason.substr(colon + 2);
        error = LineAndColumn(text, failure.byte == 0 ? 0 : failure.byte - 1) + ": not JSON: " + reason;
        return false;
    } catch (const Json::exception& failure) {
        // A number beyond what a double holds (1E400): nlohmann names no
        // place for it.
        std::string reason = failure.what();
        const std::size_t bracket = reason.find("] ");
        error = "(document): not JSON: " + (bracket != std::string::npos ? reason.substr(bracket + 2) : reason);
        return false;
    }
    try {
        if (!root.is_object())
            throw BadField("(document)", "is not an object with \"nodes\" and \"databases\"");
        for (const auto& item : root.items())
            if (item.key() != "nodes" && item.key() != "databases" && item.key() != "leftOut" &&
                item.key() != "dataSources")
                throw BadField(item.key(), "is not a part of a catalogue (nodes, databases, leftOut, dataSources)");
        Catalogue read;
        const Json& nodes = Array(root, "nodes");
        for (std::size_t i = 0; i < nodes.size(); ++i)
            read.nodes.push_back(ReadNode(nodes[i], "nodes[" + std::to_string(i) + "]"));
        const Json& databases = Array(root, "databases");
        for (std::size_t i = 0; i < databases.size(); ++i)
            read.databases.push_back(ReadDatabase(databases[i], "databases[" + std::to_string(i) + "]"));
        CheckUnique(read.nodes, &CatalogueNode::name, "nodes", "name");
        CheckUnique(read.databases, &CatalogueDatabase::alias, "databases", "alias");
        catalogue = std::move(read);
        return true;
    } catch (const BadField& bad) {
        error = bad.what();
        return false;
    }
}

} // namespace rkdb2
