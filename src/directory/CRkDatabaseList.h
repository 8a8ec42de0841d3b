#pragma once

#include <cstddef>
#include <unordered_set>

#include "db2/Db2Api.h"
#include "directory/CRkDatabaseEntry.h"

class CRkDb2AppLib;
class CRkNodeList;

// A database list handle: the entries of its populations, a cursor the host
// walks with Next, and the sqlca of its last DB2 call. Entries are only ever
// appended, so every entry handed out stays valid as long as the handle.
// Not synchronized: the caller serializes every use.
class CRkDatabaseList {
public:
    CRkDatabaseList() = default;
    CRkDatabaseList(const CRkDatabaseList&) = delete;
    CRkDatabaseList& operator=(const CRkDatabaseList&) = delete;

    // The outcome of a population, and the first entry it appended: null
    // when it appended none, and after a failure.
    struct Population {
        bool succeeded;
        const CRkDatabaseEntry* first;
    };

    // Loads the node directory into `nodes`, then appends one entry per
    // database directory record through `appLib`, which is loaded. On
    // success the cursor moves to the first entry this population appended,
    // or to the end when it appended none. On failure the cursor stays where
    // it was and the sqlca tells why.
    Population Populate(const CRkDb2AppLib& appLib, CRkNodeList& nodes);

    // The entry after the cursor, or null at the end (and before the first
    // successful population).
    const CRkDatabaseEntry* Next();

    // Whether `entry` is one of this handle's entries.
    bool Holds(const void* entry) const;

    const rk::db2::Sqlca& Sqlca() const { return m_sqlca; }
    const CRkDatabaseEntries& Entries() const { return m_entries; }

private:
    void RememberEntriesFrom(std::size_t firstNew);

    enum class CursorState { kUnset, kAtEntry, kAtEnd };

    // Zero until the first DB2 call fills it: SQLCODE 0, no SQLSTATE.
    rk::db2::Sqlca m_sqlca{};
    CRkDatabaseEntries m_entries;
    // The same entries, for checking a host's entry pointer in constant time.
    std::unordered_set<const void*> m_entryAddresses;
    CursorState m_cursorState = CursorState::kUnset;
    // The entry's index while m_cursorState is AtEntry. "At the end" is a
    // state of its own: it must stay the end when later entries are appended.
    std::size_t m_cursor = 0;
};
