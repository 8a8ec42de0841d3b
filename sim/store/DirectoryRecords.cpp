#include "DirectoryRecords.h"

#include <initializer_list>
#include <string>

#include "db2/Db2Api.h"

namespace rk::sim::store {
namespace {

using bytes::Field;

void PutText(std::vector<unsigned char>& record, Field field, const std::string& text)
{
    bytes::WriteBlankPadded(record.data(), field, text);
}

void Blank(std::vector<unsigned char>& record, std::initializer_list<Field> fields)
{
    for (const Field field : fields)
        PutText(record, field, std::string());
}

} // namespace

std::vector<unsigned char> EncodeNodeInfo(const NodeEntry& node)
{
    namespace f = db2::nodeinfo;
    std::vector<unsigned char> record(f::kSize, 0);
    Blank(record, {f::kLocalLu, f::kPartnerLu, f::kMode, f::kNetworkId, f::kSymDestName, f::kFileServer, f::kObjectName,
                   f::kComputerName, f::kSystemName, f::kCatalogNodeType, f::kChangePasswordLu, f::kTransactionProgram,
                   f::kLanAddress});
    PutText(record, f::kNodeName, node.nodeName);
    PutText(record, f::kComment, node.comment);
    // An SSL node is listed with its TCP/IP protocol and the security type
    // SSL (how DB2 lists one was not verified).
    record[f::kProtocol.offset] = node.protocol;
    bytes::WriteU16(record.data(), f::kSecurityTypeOffset, node.security);
    PutText(record, f::kSystemName, node.systemName);
    PutText(record, f::kHostName, node.hostName);
    PutText(record, f::kServiceName, node.serviceName);
    PutText(record, f::kInstanceName, node.instanceName);
    PutText(record, f::kRemoteInstanceName, node.remoteInstanceName);
    bytes::WriteU16(record.data(), f::kOsTypeOffset, node.osType);
    return record;
}

std::vector<unsigned char> EncodeDatabaseInfo(const DatabaseEntry& database, bool extended)
{
    namespace f = db2::dbinfo;
    std::vector<unsigned char> record(extended ? f::kExtendedSize : f::kBasicSize, 0);
    PutText(record, f::kAlias, database.alias);
    PutText(record, f::kDatabaseName, database.databaseName);
    PutText(record, f::kDrive, database.drivePath);
    PutText(record, f::kInternalName, database.internalName);
    PutText(record, f::kNodeName, database.nodeName);
    PutText(record, f::kDatabaseType, database.databaseType);
    PutText(record, f::kComment, database.comment);
    record[f::kEntryTypeOffset] = database.entryType;
    bytes::WriteU16(record.data(), f::kAuthenticationOffset, database.authentication);
    Blank(record, {f::kGlobalDatabaseName});
    PutText(record, f::kDcePrincipal, database.principal);
    bytes::WriteI16(record.data(), f::kCatalogNodeNumberOffset, database.catalogNodeNumber);
    if (extended) {
        PutText(record, f::kAltHostName, database.altHostName);
        PutText(record, f::kAltPortNumber, database.altPortNumber);
    }
    return record;
}

} // namespace rk::sim::store
