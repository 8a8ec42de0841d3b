#include "datasources/CRkDataSourceList.h"

#include "datasources/DataSourceRecords.h"
#include "db2/CRkDb2Client.h"
#include "directory/DirectoryTexts.h"

namespace {

using rk::db2config::DataSource;
using rk::db2config::Source;

// The key of an entry: all of its data, each field ended by a NUL.
std::string KeyOf(const DataSource& source)
{
    std::string key;
    for (const std::string* text : {&source.alias, &source.database, &source.host, &source.port, &source.file})
        key.append(*text).push_back('\0');
    for (const unsigned number :
         {static_cast<unsigned>(source.source), unsigned{source.protocol}, unsigned{source.security},
          unsigned{source.authentication}, source.line, unsigned{source.shadowed}})
        key.append(std::to_string(number)).push_back('\0');
    return key;
}

} // namespace

CRkDataSourceList::Population CRkDataSourceList::Populate(CRkDb2Client& client) noexcept
{
    try {
        return PopulateOrThrow(client);
    } catch (...) {
        m_error = rk::directory::kListFailedInsideText;
        return {false, nullptr};
    }
}

CRkDataSourceList::Population CRkDataSourceList::PopulateOrThrow(CRkDb2Client& client)
{
    std::vector<DataSource> sources;
    const bool fullClient = client.LoadDirectoryLibraries();
    if (fullClient && !ReadDirectory(client, sources))
        return {false, nullptr};

    rk::db2config::ConfigurationFiles files =
        rk::db2config::FindConfigurationFiles([this](const char* name) { return m_profile.Variable(name); });
    std::vector<std::string> problems;
    // A record carries the file it names: one it cannot carry is not read.
    for (rk::db2config::ConfigurationFile* file : {&files.cliIni, &files.dsDriverCfg}) {
        if (file->path.size() > rk::datasources::kMaxFilePathLength) {
            problems.push_back(file->path + ": a path of more than " +
                               std::to_string(rk::datasources::kMaxFilePathLength) + " characters; not read");
            file->path.clear();
        }
    }
    rk::db2config::ReadSourcesFile(Source::kCliIni, files.cliIni.path, sources, problems);
    rk::db2config::ReadSourcesFile(Source::kDsDriverCfg, files.dsDriverCfg.path, sources, problems);
    rk::db2config::MarkShadowed(sources);

    std::vector<const CRkDataSourceEntry*> population;
    population.reserve(sources.size());
    for (const DataSource& source : sources)
        population.push_back(Keep(source));
    std::string error;
    for (const std::string& problem : problems)
        error += problem + "\n";

    m_population.swap(population);
    m_error.swap(error);
    m_files = files;
    m_kind = fullClient ? rk::db2config::ClientKind::kFullClient : rk::db2config::ClientKind::kDriverOnly;
    m_populated = true;
    m_cursor = 0;
    m_bAtEntry = !m_population.empty();
    return {true, m_bAtEntry ? m_population.front() : nullptr};
}

bool CRkDataSourceList::ReadDirectory(CRkDb2Client& client, std::vector<DataSource>& sources)
{
    const CRkDatabaseList::Population population = m_directory.Populate(client.AppLib(), m_nodes);
    if (!population.succeeded) {
        const CRkDatabaseList::Error error = m_directory.LastError();
        m_error = error.failedInside ? std::string(rk::directory::kListFailedInsideText)
                                     : client.SysLib().GetErrorText(error.sqlca);
        return false;
    }
    for (const CRkDatabaseEntry* entry : m_directory.LatestPopulation()) {
        DataSource source;
        source.source = Source::kDirectory;
        source.alias = std::string(entry->Alias());
        source.database = std::string(entry->DatabaseName());
        source.authentication = entry->AuthenticationCode();
        if (entry->EntryTypeCode() != rk::db2::kEntryTypeIndirect) {
            if (const CRkNodeEntry* node = m_nodes.FindNode(entry->NodeName())) {
                source.host = node->hostName;
                source.port = node->serviceName;
                source.protocol = node->protocol;
                source.security = node->security;
            }
        }
        sources.push_back(std::move(source));
    }
    return true;
}

const CRkDataSourceEntry* CRkDataSourceList::Keep(const DataSource& source)
{
    std::string key = KeyOf(source);
    const auto found = m_kept.find(key);
    if (found != m_kept.end())
        return found->second.get();
    auto entry = std::make_unique<const CRkDataSourceEntry>(source);
    const CRkDataSourceEntry* kept = entry.get();
    m_addresses.insert(kept);
    try {
        m_kept.emplace(std::move(key), std::move(entry));
    } catch (...) {
        m_addresses.erase(kept);
        throw;
    }
    return kept;
}

const CRkDataSourceEntry* CRkDataSourceList::Next()
{
    if (!m_bAtEntry)
        return nullptr;
    if (++m_cursor >= m_population.size()) {
        m_bAtEntry = false;
        return nullptr;
    }
    return m_population[m_cursor];
}
