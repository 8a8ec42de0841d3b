#pragma once

#include <cstddef>
#include <memory>
#include <unordered_set>
#include <vector>

#include "db2/Db2Api.h"
#include "directory/CRkDatabaseEntry.h"

class CRkDb2AppLib;
class CRkNodeList;

// A database list handle: every distinct entry its populations listed, the
// latest population as pointers to those entries, a cursor the host walks
// with Next, and the sqlca of its last DB2 call. An entry whose fifteen
// texts equal one the handle already holds is that entry again, so
// repopulating an unchanged directory keeps nothing new, and two populations
// may hand out the same pointer. Entries are never changed nor released
// before the handle, so every entry handed out stays valid as long as it.
// Not synchronized: the caller serializes every use.
class CRkDatabaseList {
public:
    CRkDatabaseList() = default;
    CRkDatabaseList(const CRkDatabaseList&) = delete;
    CRkDatabaseList& operator=(const CRkDatabaseList&) = delete;

    // The outcome of a population, and its first entry: null when it listed
    // none, and after a failure.
    struct Population {
        bool succeeded;
        const CRkDatabaseEntry* first;
    };

    // Loads the node directory into `nodes`, then lists one entry per
    // database directory record through `appLib`, which is loaded. On
    // success that list replaces the latest population and the cursor moves
    // to its first entry, or to the end when it is empty. On failure the
    // latest population and the cursor stay as they were, the entries read
    // before the failure are kept, and LastError() tells why: a DB2 call's
    // sqlca, or a failure inside the library (out of memory, for one),
    // which no sqlca describes. Never throws.
    Population Populate(const CRkDb2AppLib& appLib, CRkNodeList& nodes) noexcept;

    // The entry after the cursor, or null at the end (and before the first
    // successful population).
    const CRkDatabaseEntry* Next();

    // Whether `entry` is one of this handle's entries.
    bool Holds(const void* entry) const;

    // Why the latest population failed: the sqlca of the list's last DB2
    // call, unless the library itself failed after it.
    struct Error {
        bool failedInside;
        rk::db2::Sqlca sqlca;
    };
    Error LastError() const { return {m_bFailedInside, m_sqlca}; }
    const rk::db2::Sqlca& Sqlca() const { return m_sqlca; }
    // The latest successful population, in directory order.
    const std::vector<const CRkDatabaseEntry*>& LatestPopulation() const { return m_population; }
    // Every distinct entry the handle holds.
    std::size_t KeptEntryCount() const { return m_kept.size(); }

private:
    Population PopulateOrThrow(const CRkDb2AppLib& appLib, CRkNodeList& nodes);
    // The kept entry with `entry`'s texts, `entry` itself when it is new.
    const CRkDatabaseEntry* Keep(std::unique_ptr<const CRkDatabaseEntry> entry);
    void KeepScanned(std::vector<const CRkDatabaseEntry*>& population);

    struct SameTextsHash {
        std::size_t operator()(const std::unique_ptr<const CRkDatabaseEntry>& entry) const
        {
            return entry->TextsHash();
        }
    };
    struct SameTexts {
        bool operator()(const std::unique_ptr<const CRkDatabaseEntry>& a,
                        const std::unique_ptr<const CRkDatabaseEntry>& b) const
        {
            return a->HasSameTexts(*b);
        }
    };

    enum class CursorState { kUnset, kAtEntry, kAtEnd };

    // Zero until the first DB2 call fills it: SQLCODE 0, no SQLSTATE.
    rk::db2::Sqlca m_sqlca{};
    bool m_bFailedInside = false;
    // Every distinct entry, by its texts; entries are never removed.
    std::unordered_set<std::unique_ptr<const CRkDatabaseEntry>, SameTextsHash, SameTexts> m_kept;
    // The same entries, for checking a host's entry pointer in constant time.
    std::unordered_set<const void*> m_keptAddresses;
    std::vector<const CRkDatabaseEntry*> m_population;
    // Reused by every population: the entries a scan builds, before each is
    // kept or found already kept.
    CRkDatabaseEntries m_scanned;
    std::vector<const CRkDatabaseEntry*> m_next;
    CursorState m_cursorState = CursorState::kUnset;
    // The entry's index in m_population while m_cursorState is kAtEntry.
    std::size_t m_nCursor = 0;
};
