#include "directory/CRkDatabaseEntry.h"

#include <cstring>
#include <functional>

#include "db2/ByteLayout.h"
#include "db2/Db2Api.h"
#include "directory/CRkNodeList.h"
#include "directory/CodeTexts.h"
#include "directory/TrimmedField.h"

namespace {

namespace dbinfo = rk::db2::dbinfo;
namespace nodeinfo = rk::db2::nodeinfo;

// The longest the texts can be together: the record's and the node record's
// fields, an instance of at most a database name or the default instance,
// three code texts and the principal.
constexpr std::size_t kMaxTextsLength =
    dbinfo::kAlias.width + 2 * dbinfo::kDatabaseName.width + dbinfo::kDrive.width + dbinfo::kInternalName.width +
    dbinfo::kNodeName.width + dbinfo::kDatabaseType.width + dbinfo::kComment.width + dbinfo::kAltHostName.width +
    dbinfo::kAltPortNumber.width + nodeinfo::kHostName.width + nodeinfo::kServiceName.width +
    rk::db2::kDefaultInstanceBufferSize + nodeinfo::kInstanceName.width + nodeinfo::kRemoteInstanceName.width +
    3 * rk::directory::kMaxCodeTextLength + dbinfo::kDcePrincipal.width;
static_assert(kMaxTextsLength <= UINT16_MAX, "the texts' ends fit 16 bits");

// DB2 keeps a principal for DCE and Kerberos entries only.
bool TakesPrincipal(std::uint16_t authentication)
{
    namespace a = rk::db2::authentication;
    return authentication == a::kDce || authentication == a::kDceServerEncrypt || authentication == a::kKerberos ||
           authentication == a::kKerberosServerEncrypt;
}

// A client fills its buffer for the whole directory when the scan opens, so
// a record is seldom still in the cache when it is read, and its fields lie
// in two regions 1,280 bytes apart. Asking for all their cache lines first
// has them arrive together instead of one miss after another.
void PrefetchFields(const unsigned char* record, DirectoryRecordLayout layout)
{
    constexpr std::size_t kLine = 64;
    for (const RecordSpan span : FieldSpans(layout)) {
        for (std::size_t offset = span.begin; offset < span.end; offset += kLine)
            __builtin_prefetch(record + offset);
        __builtin_prefetch(record + span.end - 1);
    }
}

} // namespace

std::array<RecordSpan, 2> FieldSpans(DirectoryRecordLayout layout)
{
    const std::size_t end =
        layout == DirectoryRecordLayout::kExtended ? dbinfo::kAltPortNumber.End() : dbinfo::kBasicSize;
    return {{{0, dbinfo::kGlobalDatabaseName.offset}, {dbinfo::kCatalogNodeNumberOffset, end}}};
}

std::unique_ptr<const CRkDatabaseEntry> CRkDatabaseEntry::Read(const unsigned char* record,
                                                               DirectoryRecordLayout layout, const CRkNodeList& nodes)
{
    using rk::directory::TrimmedFieldView;

    PrefetchFields(record, layout);
    std::string_view texts[kTextCount];
    texts[kAlias] = TrimmedFieldView(record, dbinfo::kAlias);
    texts[kDatabaseName] = TrimmedFieldView(record, dbinfo::kDatabaseName);
    texts[kDrivePath] = TrimmedFieldView(record, dbinfo::kDrive);
    texts[kInternalName] = TrimmedFieldView(record, dbinfo::kInternalName);
    texts[kNodeName] = TrimmedFieldView(record, dbinfo::kNodeName);
    // A database catalogued without a node on catalog partition 0 is local:
    // it joins the synthetic LOCAL node.
    if (texts[kNodeName].empty() && rk::bytes::ReadI16(record, dbinfo::kCatalogNodeNumberOffset) == 0)
        texts[kNodeName] = rk::directory::kLocalNodeName;
    texts[kDatabaseType] = TrimmedFieldView(record, dbinfo::kDatabaseType);
    texts[kComment] = TrimmedFieldView(record, dbinfo::kComment);
    texts[kEntryType] = rk::directory::EntryTypeText(record[dbinfo::kEntryTypeOffset]);
    const std::uint16_t authentication = rk::bytes::ReadU16(record, dbinfo::kAuthenticationOffset);
    texts[kAuthentication] = rk::directory::AuthenticationText(authentication);
    if (TakesPrincipal(authentication))
        texts[kPrincipal] = TrimmedFieldView(record, dbinfo::kDcePrincipal);
    if (layout == DirectoryRecordLayout::kExtended) {
        texts[kAltHostName] = TrimmedFieldView(record, dbinfo::kAltHostName);
        texts[kAltPortNumber] = TrimmedFieldView(record, dbinfo::kAltPortNumber);
    }
    if (const CRkNodeEntry* node = nodes.FindNode(texts[kNodeName])) {
        texts[kHostName] = node->hostName;
        texts[kServiceName] = node->serviceName;
        texts[kPlatform] = node->platform;
        texts[kInstanceName] =
            node->instanceName == CRkNodeEntry::kDatabaseIsInstance ? texts[kDatabaseName] : node->instanceName;
    }
    std::size_t total = 0;
    for (const std::string_view text : texts)
        total += text.size();
    return std::unique_ptr<const CRkDatabaseEntry>(
        new (TextsSize{total}) CRkDatabaseEntry(texts, record[dbinfo::kEntryTypeOffset], authentication));
}

CRkDatabaseEntry::CRkDatabaseEntry(const std::string_view (&texts)[kTextCount], unsigned char entryType,
                                   std::uint16_t authentication) noexcept
    : m_nAuthentication(authentication), m_nEntryType(entryType)
{
    char* const block = reinterpret_cast<char*>(this + 1);
    std::size_t end = 0;
    for (unsigned i = 0; i < kTextCount; ++i) {
        if (!texts[i].empty())
            std::memcpy(block + end, texts[i].data(), texts[i].size());
        end += texts[i].size();
        m_ends[i] = static_cast<std::uint16_t>(end);
    }
}

bool CRkDatabaseEntry::HasSameTexts(const CRkDatabaseEntry& other) const
{
    return m_nAuthentication == other.m_nAuthentication && m_nEntryType == other.m_nEntryType &&
           std::memcmp(m_ends, other.m_ends, sizeof m_ends) == 0 &&
           std::memcmp(Texts(), other.Texts(), m_ends[kTextCount - 1]) == 0;
}

std::size_t CRkDatabaseEntry::TextsHash() const
{
    // The block alone, mixed with where the texts split: the ends tell
    // "AB"+"C" from "A"+"BC", and the block carries the rest.
    std::size_t hash = std::hash<std::string_view>{}(std::string_view(Texts(), m_ends[kTextCount - 1]));
    for (const std::uint16_t end : m_ends)
        hash = hash * 31 + end;
    return (hash * 31 + m_nAuthentication) * 31 + m_nEntryType;
}
