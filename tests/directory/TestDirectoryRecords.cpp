#include "TestDirectoryRecords.h"

namespace rk::test {

void PutText(Record& record, bytes::Field field, const std::string& text)
{
    bytes::WriteBlankPadded(record.data(), field, text);
}

Record NodeRecord(const NodeInfo& node)
{
    namespace nodeinfo = db2::nodeinfo;
    Record record(nodeinfo::kSize, 0);
    PutText(record, nodeinfo::kNodeName, node.nodeName);
    PutText(record, nodeinfo::kHostName, node.hostName);
    PutText(record, nodeinfo::kServiceName, node.serviceName);
    PutText(record, nodeinfo::kInstanceName, node.instanceName);
    PutText(record, nodeinfo::kRemoteInstanceName, node.remoteInstanceName);
    bytes::WriteU16(record.data(), nodeinfo::kOsTypeOffset, node.osType);
    return record;
}

Record DatabaseRecord(const DatabaseInfo& database)
{
    namespace dbinfo = db2::dbinfo;
    Record record(dbinfo::kExtendedSize, 0);
    PutText(record, dbinfo::kAlias, database.alias);
    PutText(record, dbinfo::kDatabaseName, database.databaseName);
    PutText(record, dbinfo::kDrive, database.drive);
    PutText(record, dbinfo::kInternalName, database.internalName);
    PutText(record, dbinfo::kNodeName, database.nodeName);
    PutText(record, dbinfo::kDatabaseType, database.databaseType);
    PutText(record, dbinfo::kComment, database.comment);
    record[dbinfo::kEntryTypeOffset] = database.entryType;
    bytes::WriteU16(record.data(), dbinfo::kAuthenticationOffset, database.authentication);
    bytes::WriteI16(record.data(), dbinfo::kCatalogNodeNumberOffset, database.catalogNodeNumber);
    PutText(record, dbinfo::kAltHostName, database.altHostName);
    PutText(record, dbinfo::kAltPortNumber, database.altPortNumber);
    return record;
}

} // namespace rk::test
