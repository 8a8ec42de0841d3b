#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CRkNodeList;

// The two layouts of a database directory record: the basic sqledinfo of the
// older directory interface, and db2DbDirInfo of the newer one, which adds
// the alternate server behind the basic fields.
enum class DirectoryRecordLayout { Basic, Extended };

// One catalogued database, completed with the host, service, instance and
// platform of its node. Never changed after construction.
//
// A handle keeps every entry of every population until the module is
// unloaded, so the fifteen texts share one block, back to back, instead of
// being fifteen strings: a listed database costs a third of the memory.
class CRkDatabaseEntry {
public:
    // Reads the record once and keeps no reference to it; joins the entry
    // with its node in `nodes` and keeps copies of the node's texts.
    CRkDatabaseEntry(const unsigned char* record, DirectoryRecordLayout layout, const CRkNodeList& nodes);

    std::string_view alias() const { return Text(kAlias); }
    std::string_view databaseName() const { return Text(kDatabaseName); }
    std::string_view hostName() const { return Text(kHostName); }
    std::string_view serviceName() const { return Text(kServiceName); }
    std::string_view drivePath() const { return Text(kDrivePath); }
    std::string_view internalName() const { return Text(kInternalName); }
    std::string_view nodeName() const { return Text(kNodeName); }
    std::string_view instanceName() const { return Text(kInstanceName); }
    std::string_view databaseType() const { return Text(kDatabaseType); }
    std::string_view comment() const { return Text(kComment); }
    std::string_view entryType() const { return Text(kEntryType); }
    std::string_view authentication() const { return Text(kAuthentication); }
    std::string_view altHostName() const { return Text(kAltHostName); }
    std::string_view altPortNumber() const { return Text(kAltPortNumber); }
    std::string_view platform() const { return Text(kPlatform); }

private:
    enum TextIndex : unsigned {
        kAlias,
        kDatabaseName,
        kHostName,
        kServiceName,
        kDrivePath,
        kInternalName,
        kNodeName,
        kInstanceName,
        kDatabaseType,
        kComment,
        kEntryType,
        kAuthentication,
        kAltHostName,
        kAltPortNumber,
        kPlatform,
        kTextCount
    };

    std::string_view Text(TextIndex index) const
    {
        const std::uint16_t start = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(m_texts.get() + start, m_ends[index] - start);
    }
    void Keep(const std::string_view (&texts)[kTextCount]);

    // The texts in TextIndex order, without terminators; m_ends[i] is where
    // text i ends. The fields they come from bound their total length far
    // below 65,535 bytes.
    std::unique_ptr<char[]> m_texts;
    std::uint16_t m_ends[kTextCount] = {};
};

// The entries of a list handle, in the order the scans appended them.
using CRkDatabaseEntries = std::vector<std::unique_ptr<const CRkDatabaseEntry>>;
