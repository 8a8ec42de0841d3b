#include "catalog/CatalogRequests.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "catalog/CatalogTexts.h"
#include "db2/CRkCatalogSteps.h"
#include "db2/CRkDb2Client.h"
#include "db2/Db2Api.h"
#include "directory/HostRecords.h"
#include "directory/NodeDirectoryScan.h"

namespace rk::catalog {
namespace {

// The text of a field of a host's record: up to its NUL, which must lie
// within the array; false (with `message` naming the field and its limit)
// when it does not, or when a required text is empty.
template <std::size_t N>
bool FieldText(const char (&field)[N], const char* name, bool required, std::string& text, std::string& message)
{
    const void* nul = std::memchr(field, '\0', N);
    if (nul == nullptr || (required && field[0] == '\0')) {
        message = FieldLimitText(name, required ? 1 : 0, N - 1);
        return false;
    }
    text.assign(field, static_cast<const char*>(nul));
    return true;
}

// The same for a text argument, null for an optional one giving empty text.
bool ArgumentText(const char* argument, const char* name, std::size_t maxLength, bool required, std::string& text,
                  std::string& message)
{
    if (argument == nullptr) {
        if (required) {
            message = NullArgumentText(name);
            return false;
        }
        text.clear();
        return true;
    }
    const std::size_t length = ::strnlen(argument, maxLength + 1);
    if (length > maxLength || (required && length == 0)) {
        message = FieldLimitText(name, required ? 1 : 0, maxLength);
        return false;
    }
    text.assign(argument, length);
    return true;
}

template <typename Record>
bool RecordOfThisVersion(const Record* record, const char* recordName, std::size_t size, std::string& message)
{
    if (record == nullptr) {
        message = NullArgumentText(recordName);
        return false;
    }
    if (record->size < size) {
        message = RecordTooSmallText(recordName, record->size, size);
        return false;
    }
    return true;
}

// The protocol byte sqlectnd_api takes for a TCP/IP node and its security.
bool NodeProtocol(const RkNodeRecord& node, unsigned char& protocol, std::string& message)
{
    namespace p = db2::protocol;
    if (node.security != RKDB2_SECURITY_NONE && node.security != RKDB2_SECURITY_SSL) {
        message = FieldValuesText("security", "RKDB2_SECURITY_NONE (0) or RKDB2_SECURITY_SSL (2)");
        return false;
    }
    const bool ssl = node.security == RKDB2_SECURITY_SSL;
    switch (node.protocol) {
    case RKDB2_PROTOCOL_TCPIP: protocol = ssl ? p::kSsl : p::kTcpip; return true;
    case RKDB2_PROTOCOL_TCPIP4: protocol = ssl ? p::kSsl4 : p::kTcpip4; return true;
    case RKDB2_PROTOCOL_TCPIP6: protocol = ssl ? p::kSsl6 : p::kTcpip6; return true;
    default:
        message = FieldValuesText("protocol",
                                  "RKDB2_PROTOCOL_TCPIP (3), RKDB2_PROTOCOL_TCPIP4 (9) or RKDB2_PROTOCOL_TCPIP6 (10)");
        return false;
    }
}

// The module's directory libraries, loaded once; the steps over them.
bool LoadClient(CRkDb2Client& client, std::string& message)
{
    std::string failedFile;
    if (client.LoadDirectoryLibraries(failedFile))
        return true;
    message = FailedToLoadText(failedFile);
    return false;
}

CRkCatalogSteps Steps(CRkDb2Client& client) { return CRkCatalogSteps(client.AppLib(), client.SysLib()); }

} // namespace

bool CatalogNode(const RkNodeRecord* node, std::string& message, CRkDb2Client& client)
{
    message.clear();
    if (!RecordOfThisVersion(node, "RkNodeRecord", RKDB2_NODE_RECORD_SIZE, message))
        return false;
    db2::TcpipNodeSpec spec;
    if (!FieldText(node->nodeName, "nodeName", true, spec.nodeName, message) ||
        !FieldText(node->hostName, "hostName", true, spec.hostName, message) ||
        !FieldText(node->serviceName, "serviceName", true, spec.serviceName, message) ||
        !FieldText(node->comment, "comment", false, spec.comment, message) ||
        !NodeProtocol(*node, spec.protocol, message))
        return false;
    // sqle_node_struct and sqle_node_tcpip have no place for these.
    for (const auto& [set, name] : {std::pair<bool, const char*>{node->remoteInstance[0] != '\0', "remoteInstance"},
                                    {node->systemName[0] != '\0', "systemName"},
                                    {node->osType != 0, "osType"}}) {
        if (set) {
            message = NotCataloguedFieldText(name);
            return false;
        }
    }
    return LoadClient(client, message) && Steps(client).CatalogTcpipNode(spec, message);
}

bool CatalogDatabaseAtNode(const RkDatabaseRecord* database, std::string& message, CRkDb2Client& client)
{
    message.clear();
    if (!RecordOfThisVersion(database, "RkDatabaseRecord", RKDB2_DATABASE_RECORD_SIZE, message))
        return false;
    RemoteDatabaseSpec spec;
    spec.authentication = database->authentication;
    std::string altHost;
    std::string altPort;
    if (!FieldText(database->alias, "alias", false, spec.alias, message) ||
        !FieldText(database->databaseName, "databaseName", true, spec.databaseName, message) ||
        !FieldText(database->nodeName, "nodeName", true, spec.nodeName, message) ||
        !FieldText(database->comment, "comment", false, spec.comment, message) ||
        !FieldText(database->principal, "principal", false, spec.principal, message) ||
        !FieldText(database->altHostName, "altHostName", false, altHost, message) ||
        !FieldText(database->altPortNumber, "altPortNumber", false, altPort, message))
        return false;
    if (database->entryType != 0 && database->entryType != static_cast<char>(db2::kEntryTypeRemote)) {
        message = FieldValuesText("entryType", "'1' (a remote entry) or 0");
        return false;
    }
    if (!altHost.empty() || !altPort.empty()) {
        message = AlternateServerInRequestText();
        return false;
    }
    // Without an alias DB2 catalogs the database under its own name.
    if (spec.alias.empty())
        spec.alias = spec.databaseName;
    return LoadClient(client, message) && Steps(client).CatalogRemoteDatabase(spec, message);
}

bool SetAlternateServer(const char* alias, const char* hostName, const char* portNumber, std::string& message,
                        CRkDb2Client& client)
{
    message.clear();
    std::string aliasText;
    std::string host;
    std::string port;
    if (!ArgumentText(alias, "alias", db2::dbinfo::kAlias.width, true, aliasText, message) ||
        !ArgumentText(hostName, "hostName", db2::dbinfo::kAltHostName.width, false, host, message) ||
        !ArgumentText(portNumber, "portNumber", db2::dbinfo::kAltPortNumber.width, false, port, message))
        return false;
    if (host.empty() != port.empty()) {
        message = AlternateServerHalfText();
        return false;
    }
    if (!LoadClient(client, message))
        return false;
    if (client.AppLib().db2UpdateAlternateServerForDB == nullptr) {
        message = NoAlternateServerUpdateText(client.AppLib().FileName());
        return false;
    }
    return Steps(client).SetAlternateServer(aliasText, host, port, message);
}

bool UncatalogNode(const char* nodeName, std::string& message, CRkDb2Client& client)
{
    message.clear();
    std::string node;
    return ArgumentText(nodeName, "nodeName", db2::nodestruct::kNodeName.width - 1, true, node, message) &&
           LoadClient(client, message) && Steps(client).UncatalogNode(node, message);
}

bool UncatalogDatabase(const char* alias, std::string& message, CRkDb2Client& client)
{
    message.clear();
    std::string aliasText;
    return ArgumentText(alias, "alias", db2::dbinfo::kAlias.width, true, aliasText, message) &&
           LoadClient(client, message) && Steps(client).UncatalogDatabase(aliasText, message);
}

bool ListNodes(RkNodeRecord* nodes, int capacity, int* count, std::string& message, CRkDb2Client& client)
{
    message.clear();
    if (count == nullptr) {
        message = NullArgumentText("count");
        return false;
    }
    if (capacity < 0 || (capacity > 0 && nodes == nullptr)) {
        message = NodeArrayText();
        return false;
    }
    const std::size_t stride = capacity > 0 ? nodes->size : 0;
    if (capacity > 0 && stride < RKDB2_NODE_RECORD_SIZE) {
        message = RecordTooSmallText("RkNodeRecord", nodes->size, RKDB2_NODE_RECORD_SIZE);
        return false;
    }
    if (!LoadClient(client, message))
        return false;
    // The records are filled only once the whole scan succeeded, so that a
    // failed one leaves the host's array as it was.
    std::vector<RkNodeRecord> read;
    db2::Sqlca ca{};
    const bool scanned = directory::ScanNodeDirectory(client.AppLib(), ca, [&](const unsigned char* record) {
        RkNodeRecord node{};
        node.size = RKDB2_NODE_RECORD_SIZE;
        directory::ReadNodeRecord(record, node);
        read.push_back(node);
    });
    if (!scanned) {
        message = client.SysLib().GetErrorText(ca);
        return false;
    }
    auto* bytes = reinterpret_cast<unsigned char*>(nodes);
    for (std::size_t i = 0; i < read.size() && i < static_cast<std::size_t>(capacity); ++i)
        std::memcpy(bytes + i * stride, &read[i], sizeof read[i]);
    *count = static_cast<int>(read.size());
    return true;
}

} // namespace rk::catalog
