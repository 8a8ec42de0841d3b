#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db2/Db2Api.h"
#include "db2/DefaultInstance.h"
#include "directory/CRkNodeEntry.h"
#include "platform/ProfileRegistry.h"

class CRkDb2AppLib;

// The module-wide node list: the synthetic LOCAL node and the node
// directory's entries, as the last node directory load found them.
class CRkNodeList {
public:
    using NodeEntries = std::vector<std::unique_ptr<const CRkNodeEntry>>;

    // The default instance of every load is read from `profile`.
    explicit CRkNodeList(rk::platform::CRkProfileRegistry& profile) : m_profile(profile) { }
    CRkNodeList(const CRkNodeList&) = delete;
    CRkNodeList& operator=(const CRkNodeList&) = delete;

    // Reads the node directory through `appLib`, every DB2 call reporting in
    // `ca`. The default instance is read once, at the start: the LOCAL node
    // and every node that names no instance get that one value. On success
    // the list holds the LOCAL node followed by the directory's nodes in
    // directory order, replacing the previous load's entries; on failure the
    // list is left as it was. Database entries keep copies of what they take
    // from a node, so replacing dangles nothing.
    bool LoadNodeDirectory(const CRkDb2AppLib& appLib, rk::db2::Sqlca& ca);

    // The first entry whose node name equals `nodeName` byte for byte
    // (case-sensitive, nothing trimmed), or null. Constant time: a
    // population looks up the node of every database it lists.
    const CRkNodeEntry* FindNode(std::string_view nodeName) const;

    const NodeEntries& Entries() const { return m_entries; }

private:
    // Takes `loaded` as the list's entries, with their index.
    void Replace(NodeEntries loaded);

    NodeEntries m_entries;
    rk::platform::CRkProfileRegistry& m_profile;
    // Each node name's first entry, keyed by that entry's own name.
    std::unordered_map<std::string_view, const CRkNodeEntry*> m_firstByName;
};

namespace rk::directory {

inline constexpr const char* kLocalNodeName = "LOCAL";

// The node-info record of the synthetic LOCAL node: all zero but the node
// name "LOCAL", `defaultInstance` (copied with its NUL; a name longer than
// the 8-byte field runs on into bytes nothing reads) and os_type 3, Windows.
void BuildLocalNodeRecord(const char (&defaultInstance)[db2::kDefaultInstanceBufferSize],
                          unsigned char (&record)[db2::nodeinfo::kSize]);

} // namespace rk::directory
