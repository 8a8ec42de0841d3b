#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "rkdb2rova.h"

class CRkNodeList;

// The two layouts of a database directory record: the basic sqledinfo of the
// older directory interface, and db2DbDirInfo of the newer one, which adds
// the alternate server behind the basic fields.
enum class DirectoryRecordLayout { kBasic, kExtended };

// One catalogued database, completed with the host, service, instance and
// platform of its node. Never changed after construction.
//
// A handle keeps every distinct entry it has listed until the module is
// unloaded, so the fifteen texts share one block, back to back, instead of
// being fifteen strings: a listed database costs a third of the memory.
class CRkDatabaseEntry {
public:
    // Reads the record once and keeps no reference to it; joins the entry
    // with its node in `nodes` and keeps copies of the node's texts.
    CRkDatabaseEntry(const unsigned char* record, DirectoryRecordLayout layout, const CRkNodeList& nodes);

#define RK_DETAILS_ACCESSOR(field, Field, offset, label) \
    std::string_view Field() const { return Text(k##Field); }
    RKDB2_DETAILS_FIELDS(RK_DETAILS_ACCESSOR)
#undef RK_DETAILS_ACCESSOR

    // Whether the fifteen texts equal `other`'s, and a hash of them: what a
    // handle compares to reuse an entry it already holds.
    bool HasSameTexts(const CRkDatabaseEntry& other) const;
    std::size_t TextsHash() const;

private:
    // The texts in the record's order.
#define RK_DETAILS_TEXT_INDEX(field, Field, offset, label) k##Field,
    enum TextIndex : unsigned { RKDB2_DETAILS_FIELDS(RK_DETAILS_TEXT_INDEX) kTextCount };
#undef RK_DETAILS_TEXT_INDEX

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
