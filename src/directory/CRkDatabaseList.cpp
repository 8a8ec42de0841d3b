#include "directory/CRkDatabaseList.h"

#include <algorithm>

#include "db2/CRkDb2AppLib.h"
#include "directory/CRkNodeList.h"
#include "directory/DatabaseDirectoryScan.h"

CRkDatabaseList::Population CRkDatabaseList::Populate(const CRkDb2AppLib& appLib, CRkNodeList& nodes)
{
    if (!nodes.LoadNodeDirectory(appLib, m_sqlca))
        return {false, nullptr};
    const std::size_t firstNew = m_entries.size();
    // Entries appended before a failure stay, and stay valid handles, even
    // when the scan ends in an exception.
    bool scanned = false;
    try {
        scanned = rk::directory::ScanDatabaseDirectory(appLib, nodes, m_sqlca, m_entries);
    } catch (...) {
        RememberEntriesFrom(firstNew);
        throw;
    }
    RememberEntriesFrom(firstNew);
    if (!scanned)
        return {false, nullptr};
    if (m_entries.size() == firstNew) {
        m_cursorState = CursorState::kAtEnd;
        return {true, nullptr};
    }
    m_cursorState = CursorState::kAtEntry;
    m_cursor = firstNew;
    return {true, m_entries[firstNew].get()};
}

const CRkDatabaseEntry* CRkDatabaseList::Next()
{
    if (m_cursorState != CursorState::kAtEntry)
        return nullptr;
    if (++m_cursor >= m_entries.size()) {
        m_cursorState = CursorState::kAtEnd;
        return nullptr;
    }
    return m_entries[m_cursor].get();
}

bool CRkDatabaseList::Holds(const void* entry) const { return m_entryAddresses.count(entry) != 0; }

void CRkDatabaseList::RememberEntriesFrom(std::size_t firstNew)
{
    // One rehash for the whole population, growing geometrically as inserts would.
    const std::size_t needed = m_entryAddresses.size() + (m_entries.size() - firstNew);
    if (static_cast<double>(needed) >
        static_cast<double>(m_entryAddresses.bucket_count()) * static_cast<double>(m_entryAddresses.max_load_factor()))
        m_entryAddresses.reserve(std::max(needed, 2 * m_entryAddresses.size()));
    for (std::size_t i = firstNew; i < m_entries.size(); ++i)
        m_entryAddresses.insert(m_entries[i].get());
}
