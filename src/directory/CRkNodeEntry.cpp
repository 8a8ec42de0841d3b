#include "directory/CRkNodeEntry.h"

#include "db2/ByteLayout.h"
#include "db2/Db2Api.h"
#include "directory/CodeTexts.h"
#include "directory/HostRecords.h"
#include "directory/TrimmedField.h"

const char* const CRkNodeEntry::kDatabaseIsInstance = "?";

CRkNodeEntry::CRkNodeEntry(const unsigned char* nodeInfoRecord, const std::string& defaultInstance)
{
    namespace nodeinfo = rk::db2::nodeinfo;
    using rk::directory::TrimmedField;

    nodeName = TrimmedField(nodeInfoRecord, nodeinfo::kNodeName);
    hostName = TrimmedField(nodeInfoRecord, nodeinfo::kHostName);
    serviceName = TrimmedField(nodeInfoRecord, nodeinfo::kServiceName);

    const std::uint16_t osType = rk::bytes::ReadU16(nodeInfoRecord, nodeinfo::kOsTypeOffset);
    // A z/OS node's instance is the database itself: the database entries
    // joined with it show their own database name (see CRkDatabaseEntry).
    if (osType == rk::db2::ostype::kZos) {
        instanceName = kDatabaseIsInstance;
    } else {
        instanceName = TrimmedField(nodeInfoRecord, nodeinfo::kInstanceName);
        if (instanceName.empty())
            instanceName = TrimmedField(nodeInfoRecord, nodeinfo::kRemoteInstanceName);
        if (instanceName.empty())
            instanceName = defaultInstance;
    }
    platform = rk::directory::PlatformText(osType);
    rk::directory::ReadNodeTransport(nodeInfoRecord, protocol, security);
}
