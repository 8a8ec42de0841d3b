#include "TestDirectoryRecords.h"

#include "DirectoryRecords.h"

namespace rk::test {

void PutText(Record& record, bytes::Field field, const std::string& text)
{
    bytes::WriteBlankPadded(record.data(), field, text);
}

Record NodeRecord(const NodeInfo& node)
{
    sim::store::NodeEntry entry;
    entry.nodeName = node.nodeName;
    entry.hostName = node.hostName;
    entry.serviceName = node.serviceName;
    entry.instanceName = node.instanceName;
    entry.remoteInstanceName = node.remoteInstanceName;
    entry.osType = node.osType;
    return sim::store::EncodeNodeInfo(entry);
}

Record DatabaseRecord(const DatabaseInfo& database)
{
    sim::store::DatabaseEntry entry;
    entry.alias = database.alias;
    entry.databaseName = database.databaseName;
    entry.drivePath = database.drive;
    entry.internalName = database.internalName;
    entry.nodeName = database.nodeName;
    entry.databaseType = database.databaseType;
    entry.comment = database.comment;
    entry.entryType = database.entryType;
    entry.authentication = database.authentication;
    entry.catalogNodeNumber = database.catalogNodeNumber;
    entry.altHostName = database.altHostName;
    entry.altPortNumber = database.altPortNumber;
    return sim::store::EncodeDatabaseInfo(entry, true);
}

} // namespace rk::test
