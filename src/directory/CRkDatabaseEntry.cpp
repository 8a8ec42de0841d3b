#include "directory/CRkDatabaseEntry.h"

#include "db2/ByteLayout.h"
#include "db2/Db2Api.h"
#include "directory/CRkNodeList.h"
#include "directory/CodeTexts.h"
#include "directory/TrimmedField.h"

CRkDatabaseEntry::CRkDatabaseEntry(const unsigned char* record, DirectoryRecordLayout layout,
                                   const CRkNodeList& nodes)
{
    namespace dbinfo = rk::db2::dbinfo;
    using rk::directory::TrimmedField;

    alias = TrimmedField(record, dbinfo::kAlias);
    databaseName = TrimmedField(record, dbinfo::kDatabaseName);
    drivePath = TrimmedField(record, dbinfo::kDrive);
    internalName = TrimmedField(record, dbinfo::kInternalName);
    nodeName = TrimmedField(record, dbinfo::kNodeName);
    // A database catalogued without a node on catalog partition 0 is local:
    // it joins the synthetic LOCAL node.
    if (nodeName.empty() && rk::bytes::ReadI16(record, dbinfo::kCatalogNodeNumberOffset) == 0)
        nodeName = rk::directory::kLocalNodeName;
    databaseType = TrimmedField(record, dbinfo::kDatabaseType);
    comment = TrimmedField(record, dbinfo::kComment);
    entryType = rk::directory::EntryTypeText(record[dbinfo::kEntryTypeOffset]);
    authentication = rk::directory::AuthenticationText(rk::bytes::ReadU16(record, dbinfo::kAuthenticationOffset));
    if (layout == DirectoryRecordLayout::Extended) {
        altHostName = TrimmedField(record, dbinfo::kAltHostName);
        altPortNumber = TrimmedField(record, dbinfo::kAltPortNumber);
    }
    JoinNode(nodes);
}

void CRkDatabaseEntry::JoinNode(const CRkNodeList& nodes)
{
    const CRkNodeEntry* node = nodes.FindNode(nodeName);
    if (node == nullptr)
        return;
    hostName = node->hostName;
    serviceName = node->serviceName;
    platform = node->platform;
    instanceName = node->instanceName == CRkNodeEntry::kDatabaseIsInstance ? databaseName : node->instanceName;
}
