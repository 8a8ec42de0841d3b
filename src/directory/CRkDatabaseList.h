#pragma once

#include <cstddef>
#include <unordered_set>

#include "db2/Db2Api.h"
#include "directory/CRkDatabaseEntry.h"

class CRkDb2AppLib;
class CRkDb2SysLib;
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

    // Loads db2app.dll and then, only if that succeeded, db2sys.dll. True
    // when both are available.
    bool LoadLibraries(CRkDb2AppLib& appLib, CRkDb2SysLib& sysLib);

    // Loads the node directory into `nodes`, then appends one entry per
    // database directory record. On success the cursor moves to the first
    // entry this population appended, which `first` receives; when it
    // appended none, `first` receives null and the cursor moves to the end.
    // On failure `first` receives null, the cursor stays where it was and
    // the sqlca tells why.
    bool Populate(const CRkDb2AppLib& appLib, CRkNodeList& nodes, const CRkDatabaseEntry*& first);

    // The entry after the cursor, or null at the end (and before the first
    // successful population).
    const CRkDatabaseEntry* Next();

    // Whether `entry` is one of this handle's entries.
    bool Holds(const void* entry) const;

    const rk::db2::Sqlca& GetSqlca() const { return m_sqlca; }
    const CRkDatabaseEntries& GetEntries() const { return m_entries; }

private:
    void RememberEntriesFrom(std::size_t firstNew);

    enum class CursorState { Unset, AtEntry, AtEnd };

    bool m_bLibrariesLoaded = false;
    // Zero until the first DB2 call fills it: SQLCODE 0, no SQLSTATE.
    rk::db2::Sqlca m_sqlca{};
    CRkDatabaseEntries m_entries;
    // The same entries, for checking a host's entry pointer in constant time.
    std::unordered_set<const void*> m_entryAddresses;
    CursorState m_eCursorState = CursorState::Unset;
    // The entry's index while m_eCursorState is AtEntry. "At the end" is a
    // state of its own: it must stay the end when later entries are appended.
    std::size_t m_nCursor = 0;
};
