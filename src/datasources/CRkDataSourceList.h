#pragma once
// A data-source list handle: every distinct data source its populations
// listed, the latest population in the client's order, a cursor the host
// walks, and the text of the latest population's failure or of the faults of
// the files it read. The database list's contract: an entry whose data
// equals one the handle holds is that entry again, entries are never
// changed nor released before the handle, and a failed population leaves
// the previous walk. Not synchronized: the caller serializes every use.

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "db2config/ConfigurationFiles.h"
#include "db2config/DataSources.h"
#include "directory/CRkDatabaseList.h"
#include "directory/CRkNodeList.h"

class CRkDb2Client;

// One data source; never changed after construction.
class CRkDataSourceEntry {
public:
    explicit CRkDataSourceEntry(rk::db2config::DataSource source) : m_source(std::move(source)) { }
    const rk::db2config::DataSource& Source() const { return m_source; }

private:
    const rk::db2config::DataSource m_source;
};

class CRkDataSourceList {
public:
    explicit CRkDataSourceList(rk::platform::CRkProfileRegistry& profile) : m_profile(profile), m_nodes(profile) { }
    CRkDataSourceList(const CRkDataSourceList&) = delete;
    CRkDataSourceList& operator=(const CRkDataSourceList&) = delete;

    struct Population {
        bool succeeded;
        const CRkDataSourceEntry* first;
    };

    // Reads the directory through `client` where its directory libraries
    // load (a full client), then db2cli.ini and db2dsdriver.cfg where the
    // client finds them, in the client's order, shadowing marked. Fails only
    // when the directory cannot be read (or the library itself fails); a
    // malformed file is a fault in ErrorText(). Never throws.
    Population Populate(CRkDb2Client& client) noexcept;

    const CRkDataSourceEntry* Next();
    bool Holds(const void* entry) const { return m_addresses.count(entry) != 0; }

    const std::string& ErrorText() const { return m_error; }
    bool HasPopulated() const { return m_populated; }
    rk::db2config::ClientKind Kind() const { return m_kind; }
    const rk::db2config::ConfigurationFiles& Files() const { return m_files; }

private:
    Population PopulateOrThrow(CRkDb2Client& client);
    bool ReadDirectory(CRkDb2Client& client, std::vector<rk::db2config::DataSource>& sources);
    const CRkDataSourceEntry* Keep(const rk::db2config::DataSource& source);

    rk::platform::CRkProfileRegistry& m_profile;
    CRkNodeList m_nodes;
    CRkDatabaseList m_directory;
    // Every distinct entry, by its data; entries are never removed.
    std::unordered_map<std::string, std::unique_ptr<const CRkDataSourceEntry>> m_kept;
    std::unordered_set<const void*> m_addresses;
    std::vector<const CRkDataSourceEntry*> m_population;
    std::size_t m_cursor = 0;
    bool m_bAtEntry = false;
    std::string m_error;
    bool m_populated = false;
    rk::db2config::ClientKind m_kind = rk::db2config::ClientKind::kDriverOnly;
    rk::db2config::ConfigurationFiles m_files;
};
