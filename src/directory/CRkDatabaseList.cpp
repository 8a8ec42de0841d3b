#include "directory/CRkDatabaseList.h"

#include <algorithm>
#include <utility>

#include "db2/CRkDb2AppLib.h"
#include "directory/CRkNodeList.h"
#include "directory/DatabaseDirectoryScan.h"

namespace {

// One rehash for a population of new entries, growing geometrically as
// inserts would; never shrinks the table.
template <typename Set>
void MakeRoom(Set& set, std::size_t count)
{
    const std::size_t needed = set.size() + count;
    if (static_cast<double>(needed) > static_cast<double>(set.bucket_count()) * set.max_load_factor())
        set.reserve(std::max(needed, 2 * set.size()));
}

} // namespace

CRkDatabaseList::Population CRkDatabaseList::Populate(const CRkDb2AppLib& appLib, CRkNodeList& nodes) noexcept
{
    m_bFailedInside = false;
    try {
        return PopulateOrThrow(appLib, nodes);
    } catch (...) {
        m_bFailedInside = true;
        return {false, nullptr};
    }
}

CRkDatabaseList::Population CRkDatabaseList::PopulateOrThrow(const CRkDb2AppLib& appLib, CRkNodeList& nodes)
{
    if (!nodes.LoadNodeDirectory(appLib, m_sqlca))
        return {false, nullptr};
    m_scanned.clear();
    m_next.clear();
    // Entries read before a failure are kept, and stay valid handles, even
    // when the scan ends in an exception.
    bool scanned = false;
    try {
        scanned = rk::directory::ScanDatabaseDirectory(appLib, nodes, m_sqlca, m_scanned);
    } catch (...) {
        KeepScanned(m_next);
        throw;
    }
    KeepScanned(m_next);
    if (!scanned)
        return {false, nullptr};
    // The previous population's storage is reused by the next one.
    m_population.swap(m_next);
    if (m_population.empty()) {
        m_cursorState = CursorState::kAtEnd;
        return {true, nullptr};
    }
    m_cursorState = CursorState::kAtEntry;
    m_nCursor = 0;
    return {true, m_population.front()};
}

const CRkDatabaseEntry* CRkDatabaseList::Next()
{
    if (m_cursorState != CursorState::kAtEntry)
        return nullptr;
    if (++m_nCursor >= m_population.size()) {
        m_cursorState = CursorState::kAtEnd;
        return nullptr;
    }
    return m_population[m_nCursor];
}

bool CRkDatabaseList::Holds(const void* entry) const { return m_keptAddresses.count(entry) != 0; }

void CRkDatabaseList::KeepScanned(std::vector<const CRkDatabaseEntry*>& population)
{
    population.reserve(m_scanned.size());
    MakeRoom(m_kept, m_scanned.size());
    MakeRoom(m_keptAddresses, m_scanned.size());
    for (auto& entry : m_scanned)
        population.push_back(Keep(std::move(entry)));
    m_scanned.clear();
}

const CRkDatabaseEntry* CRkDatabaseList::Keep(std::unique_ptr<const CRkDatabaseEntry> entry)
{
    // One lookup: an entry with the same texts is found and `entry` is left
    // to be destroyed; a new one is moved into the set.
    const auto [kept, inserted] = m_kept.insert(std::move(entry));
    if (!inserted)
        return kept->get();
    try {
        m_keptAddresses.insert(kept->get());
    } catch (...) {
        // Never handed out: a later population must not find it either.
        m_kept.erase(kept);
        throw;
    }
    return kept->get();
}
