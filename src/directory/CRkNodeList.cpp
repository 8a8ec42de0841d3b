#include "directory/CRkNodeList.h"

#include <cstring>
#include <string_view>

#include "db2/ByteLayout.h"
#include "db2/CRkDb2AppLib.h"
#include "directory/NodeDirectoryScan.h"

namespace rk::directory {

void BuildLocalNodeRecord(const char (&defaultInstance)[db2::kDefaultInstanceBufferSize],
                          unsigned char (&record)[db2::nodeinfo::kSize])
{
    static_assert(db2::nodeinfo::kInstanceName.offset + db2::kDefaultInstanceBufferSize <= db2::nodeinfo::kSize,
                  "the default instance fits the record where it runs on past instance_name");
    std::memset(record, 0, sizeof record);
    std::memcpy(record + db2::nodeinfo::kNodeName.offset, kLocalNodeName, std::strlen(kLocalNodeName));
    // Without a terminator the name is not taken at all.
    const std::string_view instance = bytes::TextUpToNul(defaultInstance, sizeof defaultInstance);
    if (instance.size() < sizeof defaultInstance)
        std::memcpy(record + db2::nodeinfo::kInstanceName.offset, instance.data(), instance.size());
    bytes::WriteU16(record, db2::nodeinfo::kOsTypeOffset, db2::ostype::kWindows);
}

} // namespace rk::directory

bool CRkNodeList::LoadNodeDirectory(const CRkDb2AppLib& appLib, rk::db2::Sqlca& ca)
{
    using namespace rk::db2;

    char defaultInstance[kDefaultInstanceBufferSize];
    ReadDefaultInstanceName(defaultInstance, m_profile);
    const std::string defaultInstanceName = defaultInstance;
    unsigned char localRecord[nodeinfo::kSize];
    rk::directory::BuildLocalNodeRecord(defaultInstance, localRecord);

    NodeEntries loaded;
    loaded.push_back(std::make_unique<const CRkNodeEntry>(localRecord, defaultInstanceName));

    const bool fetched = rk::directory::ScanNodeDirectory(appLib, ca, [&](const unsigned char* record) {
        loaded.push_back(std::make_unique<const CRkNodeEntry>(record, defaultInstanceName));
    });
    if (!fetched)
        return false;
    Replace(std::move(loaded));
    return true;
}

void CRkNodeList::Replace(NodeEntries loaded)
{
    std::unordered_map<std::string_view, const CRkNodeEntry*> firstByName;
    firstByName.reserve(loaded.size());
    for (const auto& entry : loaded)
        firstByName.emplace(entry->nodeName, entry.get()); // a later duplicate is not taken
    m_entries = std::move(loaded);
    m_firstByName = std::move(firstByName);
}

const CRkNodeEntry* CRkNodeList::FindNode(std::string_view nodeName) const
{
    const auto found = m_firstByName.find(nodeName);
    return found != m_firstByName.end() ? found->second : nullptr;
}
