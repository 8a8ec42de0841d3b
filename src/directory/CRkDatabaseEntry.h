#pragma once

#include <array>
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

// The bytes [begin, end) of a database record.
struct RecordSpan {
    std::size_t begin;
    std::size_t end;
};

// The two spans of a record of `layout` that an entry reads: the basic
// fields before the global database name, and from the node numbers to the
// end of the layout's fields. Every other byte is left unread, but for the
// principal of a DCE or Kerberos entry.
std::array<RecordSpan, 2> FieldSpans(DirectoryRecordLayout layout);

// One catalogued database, completed with the host, service, instance and
// platform of its node. Never changed after construction.
//
// A handle keeps every distinct entry it has listed until the module is
// unloaded, so an entry is one allocation: the ends of its fifteen texts,
// followed by the texts back to back, instead of fifteen strings. The
// texts live behind the object, so entries are neither copied nor moved.
class CRkDatabaseEntry {
public:
    // Reads the record once and keeps no reference to it; joins the entry
    // with its node in `nodes` and keeps copies of the node's texts.
    static std::unique_ptr<const CRkDatabaseEntry> Read(const unsigned char* record, DirectoryRecordLayout layout,
                                                        const CRkNodeList& nodes);

    CRkDatabaseEntry(const CRkDatabaseEntry&) = delete;
    CRkDatabaseEntry& operator=(const CRkDatabaseEntry&) = delete;
    // Releases the object and its texts.
    static void operator delete(void* memory) { ::operator delete(memory); }

#define RK_DETAILS_ACCESSOR(field, Field, offset, label) \
    std::string_view Field() const { return Text(k##Field); }
    RKDB2_DETAILS_FIELDS(RK_DETAILS_ACCESSOR)
#undef RK_DETAILS_ACCESSOR

    // The text of the field at `index` in the record's order, below 15.
    std::string_view TextAt(std::size_t index) const { return Text(static_cast<TextIndex>(index)); }

    // What the details record does not carry: the target principal of a
    // DCE or Kerberos entry (empty for the others), and the codes behind the
    // entry type's and the authentication's texts.
    std::string_view Principal() const { return Text(kPrincipal); }
    unsigned char EntryTypeCode() const { return m_nEntryType; }
    std::uint16_t AuthenticationCode() const { return m_nAuthentication; }

    // Whether the texts and codes equal `other`'s, and a hash of them: what
    // a handle compares to reuse an entry it already holds.
    bool HasSameTexts(const CRkDatabaseEntry& other) const;
    std::size_t TextsHash() const;

private:
    // The texts in the details record's order, then the principal.
#define RK_DETAILS_TEXT_INDEX(field, Field, offset, label) k##Field,
    enum TextIndex : unsigned { RKDB2_DETAILS_FIELDS(RK_DETAILS_TEXT_INDEX) kPrincipal, kTextCount };
#undef RK_DETAILS_TEXT_INDEX

    // The size of the texts an entry is allocated with, behind the object.
    struct TextsSize {
        std::size_t bytes;
    };
    static void* operator new(std::size_t size, TextsSize texts) { return ::operator new(size + texts.bytes); }
    static void operator delete(void* memory, TextsSize) { ::operator delete(memory); }

    CRkDatabaseEntry(const std::string_view (&texts)[kTextCount], unsigned char entryType,
                     std::uint16_t authentication) noexcept;

    // The texts in TextIndex order, without terminators, right behind the
    // object; m_ends[i] is where text i ends.
    const char* Texts() const { return reinterpret_cast<const char*>(this + 1); }
    std::string_view Text(TextIndex index) const
    {
        const std::uint16_t start = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(Texts() + start, m_ends[index] - start);
    }

    // The fields the texts come from bound their total length far below
    // 65,535 bytes.
    std::uint16_t m_ends[kTextCount] = {};
    std::uint16_t m_nAuthentication = 0;
    unsigned char m_nEntryType = 0;
};

// The entries of a list handle, in the order the scans appended them.
using CRkDatabaseEntries = std::vector<std::unique_ptr<const CRkDatabaseEntry>>;
