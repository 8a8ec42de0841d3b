#include "directory/HostRecords.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "db2/ByteLayout.h"
#include "db2/Db2Api.h"
#include "directory/CRkDatabaseEntry.h"
#include "directory/TrimmedField.h"

namespace rk::directory {
namespace {

// Every DB2 field fits its array with the NUL; a longer text would be cut.
template <std::size_t N>
void Put(char (&field)[N], std::string_view text)
{
    const std::size_t length = std::min(text.size(), N - 1);
    if (length > 0) // an empty view may have no data at all
        std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

namespace nodeinfo = db2::nodeinfo;
static_assert(sizeof(RkNodeRecord::nodeName) == nodeinfo::kNodeName.width + 1 &&
                  sizeof(RkNodeRecord::hostName) == nodeinfo::kHostName.width + 1 &&
                  sizeof(RkNodeRecord::serviceName) == nodeinfo::kServiceName.width + 1 &&
                  sizeof(RkNodeRecord::comment) == nodeinfo::kComment.width + 1 &&
                  sizeof(RkNodeRecord::remoteInstance) == nodeinfo::kRemoteInstanceName.width + 1 &&
                  sizeof(RkNodeRecord::systemName) == nodeinfo::kSystemName.width + 1,
              "each text of RkNodeRecord holds DB2's field and a NUL");
namespace dbinfo = db2::dbinfo;
static_assert(sizeof(RkDatabaseRecord::alias) == dbinfo::kAlias.width + 1 &&
                  sizeof(RkDatabaseRecord::databaseName) == dbinfo::kDatabaseName.width + 1 &&
                  sizeof(RkDatabaseRecord::nodeName) == dbinfo::kNodeName.width + 1 &&
                  sizeof(RkDatabaseRecord::comment) == dbinfo::kComment.width + 1 &&
                  sizeof(RkDatabaseRecord::principal) == dbinfo::kDcePrincipal.width + 1 &&
                  sizeof(RkDatabaseRecord::altHostName) == dbinfo::kAltHostName.width + 1 &&
                  sizeof(RkDatabaseRecord::altPortNumber) == dbinfo::kAltPortNumber.width + 1,
              "each text of RkDatabaseRecord holds DB2's field and a NUL");
static_assert(RKDB2_PROTOCOL_TCPIP == db2::protocol::kTcpip && RKDB2_PROTOCOL_TCPIP4 == db2::protocol::kTcpip4 &&
                  RKDB2_PROTOCOL_TCPIP6 == db2::protocol::kTcpip6 && RKDB2_SECURITY_SSL == db2::security::kSsl,
              "the header's codes are DB2's");

} // namespace

void ReadNodeTransport(const unsigned char* nodeInfoRecord, std::uint16_t& protocol, std::uint16_t& security)
{
    namespace p = db2::protocol;
    const unsigned char listed = nodeInfoRecord[nodeinfo::kProtocol.offset];
    security = bytes::ReadU16(nodeInfoRecord, nodeinfo::kSecurityTypeOffset);
    protocol = listed;
    if (listed == p::kSsl || listed == p::kSsl4 || listed == p::kSsl6) {
        protocol = listed == p::kSsl ? p::kTcpip : listed == p::kSsl4 ? p::kTcpip4 : p::kTcpip6;
        security = db2::security::kSsl;
    }
}

void ReadNodeRecord(const unsigned char* nodeInfoRecord, RkNodeRecord& node)
{
    ReadNodeTransport(nodeInfoRecord, node.protocol, node.security);
    node.osType = bytes::ReadU16(nodeInfoRecord, nodeinfo::kOsTypeOffset);
    Put(node.nodeName, TrimmedFieldView(nodeInfoRecord, nodeinfo::kNodeName));
    Put(node.hostName, TrimmedFieldView(nodeInfoRecord, nodeinfo::kHostName));
    Put(node.serviceName, TrimmedFieldView(nodeInfoRecord, nodeinfo::kServiceName));
    Put(node.comment, TrimmedFieldView(nodeInfoRecord, nodeinfo::kComment));
    Put(node.remoteInstance, TrimmedFieldView(nodeInfoRecord, nodeinfo::kRemoteInstanceName));
    Put(node.systemName, TrimmedFieldView(nodeInfoRecord, nodeinfo::kSystemName));
}

void WriteDatabaseRecord(const CRkDatabaseEntry& entry, RkDatabaseRecord& record)
{
    record.authentication = entry.AuthenticationCode();
    record.entryType = static_cast<char>(entry.EntryTypeCode());
    record.reserved = 0;
    Put(record.alias, entry.Alias());
    Put(record.databaseName, entry.DatabaseName());
    // A local database joins the synthetic LOCAL node, which no directory
    // record names.
    Put(record.nodeName, entry.EntryTypeCode() == db2::kEntryTypeIndirect ? std::string_view() : entry.NodeName());
    Put(record.comment, entry.Comment());
    Put(record.principal, entry.Principal());
    Put(record.altHostName, entry.AltHostName());
    Put(record.altPortNumber, entry.AltPortNumber());
}

} // namespace rk::directory
