#include "CatalogExport.h"

#include <algorithm>
#include <cstring>

#include "Command.h"
#include "db2/Db2Names.h"

namespace rkdb2 {
namespace {

struct TextKeyword {
    const char* text;
    const char* keyword;
};

// The listing's authentication texts, spelled as the library gives them,
// and the keyword of CATALOG DATABASE for each. "Not Specified" has none:
// the clause is left out.
constexpr TextKeyword kAuthentications[] = {
    {"On Server", "SERVER"},
    {"On Client", "CLIENT"},
    {"DDCS", "DCS"},
    {"DCE", "DCE"},
    {"At Server with encrypt", "SERVER_ENCRYPT"},
    {"DDCS with encrypt", "DCS_ENCRYPT"},
    {"DCE or Server with Encrypt", "DCE_SERVER_ENCRYPT"},
    {"Kerberos or Server with Envrypt", "KRB_SERVER_ENCRYPT"},
    {"GSS API plugin", "GSSPLUGIN"},
    {"GSS API plugin or Server with Encrypt", "GSS_SERVER_ENCRYPT"},
    {"At server with encrypted data", "DATA_ENCRYPT"},
    {"At server with or without encrypted data", "DATA_ENCRYPT_CMP"},
    {"Not Specified", ""},
};
// KERBEROS takes the server's target principal, which no listing gives.
constexpr const char* kKerberos = "Kerberos";

// The listing's platform texts that have an OSTYPE keyword of their own.
constexpr TextKeyword kPlatforms[] = {
    {"AIX", "AIX"},
    {"NT", "WIN"},
    {"HP", "HPUX"},
    {"Sun", "SUN"},
    {"Z/OS", "OS390"},
    {"AS/400", "OS400"},
    {"Siemens Nixdorf", "SNI"},
    {"SCO", "SCO"},
    {"Linux", "LINUX"},
    {"DYNIX/ptx", "DYNIX"},
};
// A z/OS node's instance in the listing is each database's own name.
constexpr const char* kZos = "Z/OS";
constexpr const char* kUnknownPlatform = "UNKNOWN";
constexpr const char* kRemoteEntry = "SQL_REMOTE";
constexpr const char* kLocalEntry = "SQL_INDIRECT";

template <std::size_t N>
const TextKeyword* Find(const TextKeyword (&table)[N], const std::string& text)
{
    for (const auto& entry : table)
        if (text == entry.text)
            return &entry;
    return nullptr;
}

ExportedNode NodeOf(const DatabaseFields& database, const std::string& defaultInstance)
{
    ExportedNode node{database[kNodeName], database[kHostName], database[kServiceName], {}, {}, {}};
    const std::string& platform = database[kPlatform];
    const std::string& instance = database[kInstanceName];
    if (platform != kZos && !instance.empty()) {
        if (instance == defaultInstance)
            node.notes.push_back("its instance " + instance +
                                 " is the default instance, which the listing also shows for a node that names "
                                 "none: REMOTE_INSTANCE left out");
        else
            node.remoteInstance = instance;
    }
    if (const TextKeyword* osType = Find(kPlatforms, platform))
        node.osType = osType->keyword;
    else if (platform != kUnknownPlatform)
        node.notes.push_back("its platform " + platform + " has no OSTYPE keyword: OSTYPE left out");
    return node;
}

// Why a listed database is not exported; empty when it is.
std::string LeftOutReason(const DatabaseFields& database)
{
    const std::string& entryType = database[kEntryType];
    if (entryType == kLocalEntry)
        return "a local database (" + entryType + "): it lives on this machine";
    if (entryType != kRemoteEntry)
        return "entry type " + (entryType.empty() ? std::string("unknown") : entryType) + " is not a remote entry";
    // Every catalogued node has a platform text, also an unknown one.
    if (database[kPlatform].empty())
        return "its node " + database[kNodeName] + " is not catalogued";
    const std::string& authentication = database[kAuthentication];
    if (authentication == kKerberos)
        return "authentication Kerberos needs the server's target principal, which the listing does not give";
    if (Find(kAuthentications, authentication) == nullptr)
        return "its authentication " + (authentication.empty() ? std::string("(unknown)") : authentication) +
               " has no keyword";
    return std::string();
}

// --- the script --------------------------------------------------------

bool IsTokenCharacter(char c, const char* extra)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || std::strchr(extra, c);
}

// A host name, address or service the command line reads as one word.
bool IsPlainToken(const std::string& text, const char* extra)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [&](char c) { return c != '\0' && IsTokenCharacter(c, extra); });
}

constexpr const char* kHostCharacters = ".-_:";
constexpr const char* kServiceCharacters = "-_";
constexpr const char* kInstanceCharacters = "_@#$";
constexpr std::size_t kMaxInstanceLength = 8;

// A text inside double quotes: no double quote (the command line ends the
// string there) and no control character (a line end ends the statement).
bool IsQuotable(const std::string& text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '"' || byte < 0x20 || byte == 0x7F;
    });
}

// A text in a comment line, its control characters shown as '?'.
std::string CommentText(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return text;
}

bool CheckNode(const ExportedNode& node, std::string& error)
{
    const std::string what = "node " + CommentText(node.name) + ": ";
    if (!rk::db2::IsValidNodeName(node.name))
        error = what + "its name is not a DB2 node name (1 to 8 of A-Z, 0-9, @, #, $, not starting with a digit)";
    else if (!IsPlainToken(node.host, kHostCharacters))
        error = what + "its host name '" + CommentText(node.host) +
                "' holds a character other than letters, digits and . - _ :";
    else if (!IsPlainToken(node.service, kServiceCharacters))
        error = what + "its service '" + CommentText(node.service) +
                "' holds a character other than letters, digits, - and _";
    else if (!node.remoteInstance.empty() && (node.remoteInstance.size() > kMaxInstanceLength ||
                                              !IsPlainToken(node.remoteInstance, kInstanceCharacters)))
        error = what + "its instance '" + CommentText(node.remoteInstance) + "' is not an instance name";
    return error.empty();
}

bool CheckDatabase(const ExportedDatabase& database, std::string& error)
{
    const std::string what = "database " + CommentText(database.alias) + ": ";
    if (!rk::db2::IsValidDirectoryName(database.alias))
        error = what + "its alias is not a DB2 name (1 to 8 of A-Z, 0-9, @, #, $)";
    else if (!rk::db2::IsValidDirectoryName(database.database))
        error = what + "its database name '" + CommentText(database.database) + "' is not a DB2 name";
    else if (!IsQuotable(database.comment))
        error = what + "its comment holds a double quote or a control character, which a quoted string of "
                       "DB2's command line cannot hold";
    else if (database.altHost.empty() != database.altPort.empty())
        error = what + "its alternate server has a host without a port or a port without a host";
    else if (!database.altHost.empty() && !IsPlainToken(database.altHost, kHostCharacters))
        error = what + "its alternate host '" + CommentText(database.altHost) +
                "' holds a character other than letters, digits and . - _ :";
    else if (!database.altPort.empty() && !IsPlainToken(database.altPort, ""))
        error = what + "its alternate port '" + CommentText(database.altPort) + "' is not a port number";
    return error.empty();
}

} // namespace

CatalogExport ExportCatalog(const std::vector<DatabaseFields>& listing, const std::string& defaultInstance)
{
    CatalogExport catalog;
    for (const auto& database : listing) {
        const std::string reason = LeftOutReason(database);
        if (!reason.empty()) {
            catalog.leftOut.push_back({database[kAlias], reason});
            continue;
        }
        const auto known = std::find_if(catalog.nodes.begin(), catalog.nodes.end(), [&](const ExportedNode& node) {
            return rk::db2::EqualIgnoringCase(node.name, database[kNodeName]);
        });
        if (known == catalog.nodes.end())
            catalog.nodes.push_back(NodeOf(database, defaultInstance));
        catalog.databases.push_back({database[kDatabaseName], database[kAlias], database[kNodeName],
                                     Find(kAuthentications, database[kAuthentication])->keyword, database[kComment],
                                     database[kAltHostName], database[kAltPortNumber]});
    }
    return catalog;
}

bool ClpScript(const CatalogExport& catalog, std::string& script, std::string& error)
{
    script = "-- The remote entries of a DB2 client's catalogue, written by " + ToolVersionText() +
             ".\n-- Recreate them on another client with: db2 -tvf FILE\n";
    for (const auto& entry : catalog.leftOut)
        script += "-- Left out: " + CommentText(entry.alias) + ": " + CommentText(entry.reason) + "\n";
    script += "\n";
    for (const auto& node : catalog.nodes) {
        if (!CheckNode(node, error))
            return false;
        for (const auto& note : node.notes)
            script += "-- Node " + node.name + ": " + CommentText(note) + "\n";
        script += "CATALOG TCPIP NODE " + node.name + " REMOTE " + node.host + " SERVER " + node.service;
        if (!node.remoteInstance.empty())
            script += " REMOTE_INSTANCE " + node.remoteInstance;
        if (!node.osType.empty())
            script += " OSTYPE " + node.osType;
        script += ";\n";
    }
    if (!catalog.nodes.empty())
        script += "\n";
    for (const auto& database : catalog.databases) {
        if (!CheckDatabase(database, error))
            return false;
        script += "CATALOG DATABASE " + database.database + " AS " + database.alias + " AT NODE " + database.node;
        if (!database.authentication.empty())
            script += " AUTHENTICATION " + database.authentication;
        if (!database.comment.empty())
            script += " WITH \"" + database.comment + "\"";
        script += ";\n";
        if (!database.altHost.empty())
            script += "UPDATE ALTERNATE SERVER FOR DATABASE " + database.alias + " USING HOSTNAME " + database.altHost +
                      " PORT " + database.altPort + ";\n";
    }
    return true;
}

Json CatalogJson(const CatalogExport& catalog)
{
    const auto optional = [](const std::string& text) { return text.empty() ? Json(nullptr) : JsonText(text); };
    Json nodes = Json::array();
    for (const auto& node : catalog.nodes) {
        Json notes = Json::array();
        for (const auto& note : node.notes)
            notes.push_back(JsonText(note));
        nodes.push_back({{"name", JsonText(node.name)},
                         {"host", JsonText(node.host)},
                         {"service", JsonText(node.service)},
                         {"remoteInstance", optional(node.remoteInstance)},
                         {"osType", optional(node.osType)},
                         {"notes", notes}});
    }
    Json databases = Json::array();
    for (const auto& database : catalog.databases)
        databases.push_back({{"database", JsonText(database.database)},
                             {"alias", JsonText(database.alias)},
                             {"node", JsonText(database.node)},
                             {"authentication", optional(database.authentication)},
                             {"comment", JsonText(database.comment)},
                             {"altHostName", optional(database.altHost)},
                             {"altPortNumber", optional(database.altPort)}});
    Json leftOut = Json::array();
    for (const auto& entry : catalog.leftOut)
        leftOut.push_back({{"alias", JsonText(entry.alias)}, {"reason", JsonText(entry.reason)}});
    return Json{{"nodes", nodes}, {"databases", databases}, {"leftOut", leftOut}};
}

} // namespace rkdb2
