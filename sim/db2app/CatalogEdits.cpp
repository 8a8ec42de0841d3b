#include "CatalogEdits.h"

#include <algorithm>
#include <string>

#include "CRkDirectoryStore.h"
#include "SimCodes.h"
#include "db2/Db2Names.h"
#include "os/Environment.h"

namespace rk::sim {
namespace {

using store::CRkDirectoryStore;
using store::EditResult;

// The longest texts the node directory keeps: its record's field widths.
constexpr std::size_t kMaxHostNameLength = db2::nodeinfo::kHostName.width;
constexpr std::size_t kMaxServiceNameLength = db2::nodeinfo::kServiceName.width;
static_assert(kMaxHostNameLength + 1 == db2::tcpip::kHostName.width, "the catalog record holds one more: its NUL");
static_assert(kMaxServiceNameLength + 1 == db2::tcpip::kServiceName.width,
              "the catalog record holds one more: its NUL");

// DB2's naming rules for a name the caller may pass as a null pointer.
bool IsValidDirectoryName(const char* name) { return name != nullptr && db2::IsValidDirectoryName(name); }
bool IsValidNodeName(const char* name) { return name != nullptr && db2::IsValidNodeName(name); }

// Reads a NUL-terminated field into `text`; false when no NUL ends it
// inside the field (`text` then holds all of its bytes).
bool TerminatedField(const unsigned char* record, bytes::Field field, std::string& text)
{
    text = bytes::TextUpToNul(record, field);
    return text.size() < field.width;
}

bool HasControlCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

std::string TextOrEmpty(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

// The catalog codes of one directory for a store edit that did not happen.
struct EditCodes {
    std::int32_t duplicate;
    std::int32_t notFound;
    std::int32_t missing;
    std::int32_t ioError;
};

constexpr EditCodes kNodeEditCodes{db2::kSqlNodeExists, db2::kSqlNodeNotFound, db2::kSqlNodeDirectoryNotFound,
                                   kSqlNodeDirectoryIoError};
constexpr EditCodes kDatabaseEditCodes{db2::kSqlAliasExists, db2::kSqlAliasNotFound, db2::kSqlDatabaseDirectoryNotFound,
                                       kSqlDatabaseDirectoryIoError};

// The protocol byte of sqle_node_struct as the entry keeps it: TCP/IP,
// TCP/IPv4 or TCP/IPv6, each plain or, as its SSL protocol, secured.
bool TcpipProtocol(unsigned char protocol, store::NodeEntry& entry)
{
    namespace p = db2::protocol;
    switch (protocol) {
    case p::kTcpip:
    case p::kTcpip4:
    case p::kTcpip6: entry.protocol = protocol; return true;
    case p::kSsl: entry.protocol = p::kTcpip; break;
    case p::kSsl4: entry.protocol = p::kTcpip4; break;
    case p::kSsl6: entry.protocol = p::kTcpip6; break;
    default: return false;
    }
    entry.security = db2::security::kSsl;
    return true;
}

// The authentication types DB2 takes for a database entry at a client.
bool IsKnownAuthentication(std::uint16_t authentication)
{
    return authentication <= db2::authentication::kToken || authentication == db2::authentication::kNotSpecified;
}

CallOutcome EditFailure(EditResult result, const EditCodes& codes, const std::string& name)
{
    switch (result) {
    case EditResult::kDone: return {};
    case EditResult::kDuplicate: return {codes.duplicate, {name}};
    case EditResult::kNotFound: return {codes.notFound, {name}};
    case EditResult::kFileMissing: return {codes.missing, {}};
    case EditResult::kWriteFailed: break;
    }
    return {codes.ioError, {}};
}

} // namespace

CallOutcome CatalogNode(const unsigned char* node, const unsigned char* protocol)
{
    namespace ns = db2::nodestruct;
    namespace tcp = db2::tcpip;
    if (node == nullptr)
        return {kSqlParameterNotValid, {"node"}};
    if (protocol == nullptr)
        return {kSqlParameterNotValid, {"protocol"}};
    if (bytes::ReadU16(node, ns::kStructIdOffset) != ns::kStructId)
        return {kSqlParameterNotValid, {"struct_id"}};

    store::NodeEntry entry;
    // The stand-in keeps TCP/IP nodes only: plain, or secured with SSL.
    if (!TcpipProtocol(node[ns::kProtocolOffset], entry))
        return {db2::kSqlInvalidProtocol, {std::to_string(node[ns::kProtocolOffset])}};
    if (!TerminatedField(node, ns::kNodeName, entry.nodeName) || !IsValidNodeName(entry.nodeName.c_str()))
        return {db2::kSqlInvalidNodeName, {entry.nodeName}};
    if (!TerminatedField(node, ns::kComment, entry.comment))
        return {kSqlParameterNotValid, {"comment"}};
    if (!TerminatedField(protocol, tcp::kHostName, entry.hostName) || entry.hostName.empty() ||
        entry.hostName.size() > kMaxHostNameLength || HasControlCharacter(entry.hostName))
        return {db2::kSqlInvalidHostName, {entry.hostName}};
    if (!TerminatedField(protocol, tcp::kServiceName, entry.serviceName) || entry.serviceName.empty() ||
        entry.serviceName.size() > kMaxServiceNameLength || HasControlCharacter(entry.serviceName))
        return {db2::kSqlInvalidServiceName, {entry.serviceName}};

    const EditResult result = CRkDirectoryStore::FromEnvironment().AddNode(entry);
    return EditFailure(result, kNodeEditCodes, entry.nodeName);
}

CallOutcome CatalogDatabase(const char* databaseName, const char* alias, unsigned char entryType, const char* nodeName,
                            const char* path, const char* comment, std::uint16_t authentication, const char* principal)
{
    if (!IsValidDirectoryName(databaseName))
        return {db2::kSqlInvalidDatabaseName, {TextOrEmpty(databaseName)}};
    // Without an alias DB2 catalogs the database under its own name.
    const char* effectiveAlias = (alias == nullptr || *alias == '\0') ? databaseName : alias;
    if (!IsValidDirectoryName(effectiveAlias))
        return {db2::kSqlInvalidAlias, {effectiveAlias}};

    store::DatabaseEntry entry;
    entry.alias = effectiveAlias;
    entry.databaseName = databaseName;
    entry.entryType = entryType;
    entry.comment = TextOrEmpty(comment);
    if (!IsKnownAuthentication(authentication))
        return {db2::kSqlAuthenticationNotSupported, {std::to_string(authentication)}};
    entry.authentication = authentication;
    entry.principal = TextOrEmpty(principal);
    if (entry.principal.size() > db2::kMaxPrincipalLength)
        return {kSqlParameterNotValid, {"pPrincipal"}};
    if (entryType == db2::kEntryTypeRemote || entryType == db2::kEntryTypeDce) {
        if (!IsValidNodeName(nodeName))
            return {db2::kSqlInvalidNodeName, {TextOrEmpty(nodeName)}};
        entry.nodeName = nodeName;
        // DB2 lists remote entries with catalog partition number -1.
        entry.catalogNodeNumber = -1;
    } else if (entryType == db2::kEntryTypeIndirect) {
        entry.drivePath = TextOrEmpty(path);
    } else {
        return {kSqlParameterNotValid, {"type"}};
    }

    // A database at a node that is not catalogued is kept, with a warning.
    // The node directory is read first: a damaged one fails the call before
    // anything is written.
    const CRkDirectoryStore store = CRkDirectoryStore::FromEnvironment();
    const auto nodes = entry.nodeName.empty() ? std::nullopt : store.ReadNodes();
    const bool nodeKnown = nodes && std::any_of(nodes->begin(), nodes->end(), [&](const store::NodeEntry& node) {
                               return db2::EqualIgnoringCase(node.nodeName, entry.nodeName);
                           });
    const CallOutcome added = EditFailure(store.AddDatabase(entry), kDatabaseEditCodes, entry.alias);
    if (added.sqlcode != 0 || entry.nodeName.empty() || nodeKnown)
        return added;
    return CallOutcome{db2::kSqlNodeNotCatalogued, {entry.nodeName}};
}

CallOutcome UncatalogDatabase(const char* alias)
{
    if (!IsValidDirectoryName(alias))
        return {db2::kSqlInvalidAlias, {TextOrEmpty(alias)}};
    return EditFailure(CRkDirectoryStore::FromEnvironment().RemoveDatabase(alias), kDatabaseEditCodes, alias);
}

CallOutcome UncatalogNode(const char* nodeName)
{
    if (!IsValidNodeName(nodeName))
        return {db2::kSqlInvalidNodeName, {TextOrEmpty(nodeName)}};
    return EditFailure(CRkDirectoryStore::FromEnvironment().RemoveNode(nodeName), kNodeEditCodes, nodeName);
}

CallOutcome SetAlternateServer(const char* alias, const char* hostName, const char* portNumber)
{
    if (!IsValidDirectoryName(alias))
        return {db2::kSqlInvalidAlias, {TextOrEmpty(alias)}};
    const std::string host = TextOrEmpty(hostName);
    const std::string port = TextOrEmpty(portNumber);
    // A host without a port or a port without a host is refused; both empty
    // or null clear the entry's alternate server.
    if (host.size() > kMaxHostNameLength || HasControlCharacter(host) || (host.empty() && !port.empty()))
        return {db2::kSqlInvalidHostName, {host}};
    if (port.size() > db2::dbinfo::kAltPortNumber.width || HasControlCharacter(port) || (port.empty() && !host.empty()))
        return {db2::kSqlInvalidServiceName, {port}};
    // DB2 keeps a client's alternate servers from the server itself and
    // ignores the update there.
    if (db2::EqualIgnoringCase(os::GetEnv("RKDB2_SIM_NODETYPE"), "client"))
        return {db2::kSqlAltServerIgnoredOnClient, {}};
    return EditFailure(CRkDirectoryStore::FromEnvironment().SetAlternateServer(alias, host, port), kDatabaseEditCodes,
                       alias);
}

} // namespace rk::sim
