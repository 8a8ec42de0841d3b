#include "CatalogueExport.h"

#include <algorithm>
#include <cstring>

#include "CatalogKeywords.h"
#include "Command.h"
#include "DataSourceListing.h"
#include "db2/Db2Names.h"

namespace rkdb2 {
namespace {

bool IsTokenCharacter(char c, const char* extra)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           (c != '\0' && std::strchr(extra, c) != nullptr);
}

// A host name, address, service or name the command line reads as one word.
bool IsPlainToken(const std::string& text, const char* extra)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [&](char c) { return IsTokenCharacter(c, extra); });
}

constexpr const char* kHostCharacters = ".-_:";
constexpr const char* kServiceCharacters = "-_";
constexpr const char* kNameCharacters = "_@#$";
constexpr const char* kPrincipalCharacters = "/@.-_$#";

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

bool CheckNode(const CatalogueNode& node, std::string& error)
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
    else if (KeywordOf(Keywords::kProtocol, node.protocol) == nullptr)
        error = what + "its protocol " + std::to_string(node.protocol) + " is not TCP/IP";
    else if (KeywordOf(Keywords::kSecurity, node.security) == nullptr)
        error = what + "its security type " + std::to_string(node.security) + " is neither none nor SSL";
    else if (!node.remoteInstance.empty() && !IsPlainToken(node.remoteInstance, kNameCharacters))
        error = what + "its remote instance '" + CommentText(node.remoteInstance) + "' is not an instance name";
    else if (!node.systemName.empty() && !IsPlainToken(node.systemName, kNameCharacters))
        error = what + "its system name '" + CommentText(node.systemName) + "' is not one word";
    else if (!IsQuotable(node.comment))
        error = what + "its comment holds a double quote or a control character";
    return error.empty();
}

bool CheckDatabase(const CatalogueDatabase& database, std::string& error)
{
    const std::string what = "database " + CommentText(database.alias) + ": ";
    if (!rk::db2::IsValidDirectoryName(database.alias))
        error = what + "its alias is not a DB2 name (1 to 8 of A-Z, 0-9, @, #, $)";
    else if (!rk::db2::IsValidDirectoryName(database.database))
        error = what + "its database name '" + CommentText(database.database) + "' is not a DB2 name";
    else if (database.authentication != RKDB2_AUTHENTICATION_NOT_SPECIFIED &&
             KeywordOf(Keywords::kAuthentication, database.authentication) == nullptr)
        error = what + "its authentication type " + std::to_string(database.authentication) + " has no keyword";
    else if (!database.principal.empty() && !IsPlainToken(database.principal, kPrincipalCharacters))
        error = what + "its principal '" + CommentText(database.principal) + "' is not one word";
    else if (!IsQuotable(database.comment))
        error = what + "its comment holds a double quote or a control character, which a quoted string of DB2's "
                       "command line cannot hold";
    else if (database.altHost.empty() != database.altPort.empty())
        error = what + "its alternate server has a host without a port or a port without a host";
    else if (!database.altHost.empty() && !IsPlainToken(database.altHost, kHostCharacters))
        error = what + "its alternate host '" + CommentText(database.altHost) +
                "' holds a character other than letters, digits and . - _ :";
    else if (!database.altPort.empty() && !IsPlainToken(database.altPort, ""))
        error = what + "its alternate port '" + CommentText(database.altPort) + "' is not a port number";
    return error.empty();
}

std::string NodeStatement(const CatalogueNode& node)
{
    std::string statement = std::string("CATALOG ") + KeywordOf(Keywords::kProtocol, node.protocol) + " NODE " +
                            node.name + " REMOTE " + node.host + " SERVER " + node.service;
    if (node.security == RKDB2_SECURITY_SSL)
        statement += " SECURITY SSL";
    if (!node.remoteInstance.empty())
        statement += " REMOTE_INSTANCE " + node.remoteInstance;
    if (!node.systemName.empty())
        statement += " SYSTEM " + node.systemName;
    if (const char* osType = KeywordOf(Keywords::kOsType, node.osType))
        statement += std::string(" OSTYPE ") + osType;
    if (!node.comment.empty())
        statement += " WITH \"" + node.comment + "\"";
    return statement + ";\n";
}

std::string DatabaseStatements(const CatalogueDatabase& database)
{
    std::string statement =
        "CATALOG DATABASE " + database.database + " AS " + database.alias + " AT NODE " + database.node;
    if (const char* authentication = KeywordOf(Keywords::kAuthentication, database.authentication)) {
        statement += std::string(" AUTHENTICATION ") + authentication;
        if (!database.principal.empty())
            statement += " TARGET PRINCIPAL " + database.principal;
    }
    if (!database.comment.empty())
        statement += " WITH \"" + database.comment + "\"";
    statement += ";\n";
    if (!database.altHost.empty())
        statement += "UPDATE ALTERNATE SERVER FOR DATABASE " + database.alias + " USING HOSTNAME " + database.altHost +
                     " PORT " + database.altPort + ";\n";
    return statement;
}

} // namespace

bool ClpScript(const Catalogue& catalogue, std::string& script, std::string& error)
{
    script = "-- The remote entries of a DB2 client's catalogue, written by " + ToolVersionText() +
             ".\n-- Recreate them on another client with: db2 -tvf FILE\n";
    for (const auto& entry : catalogue.leftOut)
        script += "-- Left out: " + CommentText(entry.alias) + ": " + CommentText(entry.reason) + "\n";
    script += "\n";
    for (const auto& node : catalogue.nodes) {
        if (!CheckNode(node, error))
            return false;
        if (node.osType != 0 && KeywordOf(Keywords::kOsType, node.osType) == nullptr)
            script += "-- Node " + node.name + ": its operating system (code " + std::to_string(node.osType) +
                      ") has no OSTYPE keyword: OSTYPE left out\n";
        script += NodeStatement(node);
    }
    if (!catalogue.nodes.empty())
        script += "\n";
    for (const auto& database : catalogue.databases) {
        if (!CheckDatabase(database, error))
            return false;
        script += DatabaseStatements(database);
    }
    return true;
}

Json CatalogueJson(const Catalogue& catalogue)
{
    const auto optional = [](const std::string& text) { return text.empty() ? Json(nullptr) : JsonText(text); };
    Json nodes = Json::array();
    for (const auto& node : catalogue.nodes) {
        Json osType = nullptr;
        if (const char* keyword = KeywordOf(Keywords::kOsType, node.osType))
            osType = keyword;
        else if (node.osType != 0)
            osType = node.osType;
        const char* protocol = KeywordOf(Keywords::kProtocol, node.protocol);
        const char* security = KeywordOf(Keywords::kSecurity, node.security);
        nodes.push_back({{"name", JsonText(node.name)},
                         {"host", JsonText(node.host)},
                         {"service", JsonText(node.service)},
                         {"protocol", protocol != nullptr ? Json(protocol) : Json(node.protocol)},
                         {"security", security != nullptr ? Json(security) : Json(node.security)},
                         {"comment", JsonText(node.comment)},
                         {"remoteInstance", optional(node.remoteInstance)},
                         {"system", optional(node.systemName)},
                         {"osType", osType}});
    }
    Json databases = Json::array();
    for (const auto& database : catalogue.databases) {
        const char* authentication = KeywordOf(Keywords::kAuthentication, database.authentication);
        Json authenticationValue = nullptr;
        if (authentication != nullptr)
            authenticationValue = authentication;
        else if (database.authentication != RKDB2_AUTHENTICATION_NOT_SPECIFIED)
            authenticationValue = database.authentication;
        databases.push_back({{"database", JsonText(database.database)},
                             {"alias", JsonText(database.alias)},
                             {"node", JsonText(database.node)},
                             {"authentication", authenticationValue},
                             {"principal", optional(database.principal)},
                             {"comment", JsonText(database.comment)},
                             {"altHostName", optional(database.altHost)},
                             {"altPortNumber", optional(database.altPort)}});
    }
    Json leftOut = Json::array();
    for (const auto& entry : catalogue.leftOut)
        leftOut.push_back({{"alias", JsonText(entry.alias)}, {"reason", JsonText(entry.reason)}});
    Json dataSources = Json::array();
    for (const auto& record : catalogue.fileSources)
        dataSources.push_back(DataSourceJson(record));
    return Json{{"nodes", nodes}, {"databases", databases}, {"leftOut", leftOut}, {"dataSources", dataSources}};
}

} // namespace rkdb2
