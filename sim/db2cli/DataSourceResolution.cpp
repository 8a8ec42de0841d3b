#include "DataSourceResolution.h"

#include <algorithm>
#include <vector>

#include "CRkDirectoryStore.h"
#include "db2/Db2Api.h"
#include "db2/Db2Names.h"
#include "db2/Db2Profile.h"
#include "db2config/ConfigurationFiles.h"
#include "os/Environment.h"
#include "os/MachineSettings.h"

namespace rk::sim {
namespace {

using db2config::DataSource;
using db2config::Source;

// A DB2 registry variable: the environment, then the global profile.
std::optional<std::string> Variable(const char* name)
{
    const std::string value = os::GetEnv(name);
    if (!value.empty())
        return value;
    return os::ReadMachineSetting(db2::profile::kGlobalProfileKey, name, 1024);
}

// The directory's entry of `alias`, joined with its node; a damaged store
// gives none, as the connection would fail on it anyway.
std::optional<DataSource> FromDirectory(const std::string& alias)
{
    try {
        const store::CRkDirectoryStore store = store::CRkDirectoryStore::FromEnvironment();
        const auto databases = store.ReadDatabases();
        if (!databases)
            return std::nullopt;
        const auto database = std::find_if(databases->begin(), databases->end(), [&](const store::DatabaseEntry& d) {
            return db2::EqualIgnoringCase(d.alias, alias);
        });
        if (database == databases->end())
            return std::nullopt;
        DataSource source;
        source.alias = database->alias;
        source.database = database->databaseName;
        source.authentication = database->authentication;
        const auto nodes = store.ReadNodes();
        if (nodes && database->entryType != db2::kEntryTypeIndirect) {
            for (const auto& node : *nodes) {
                if (!db2::EqualIgnoringCase(node.nodeName, database->nodeName))
                    continue;
                source.host = node.hostName;
                source.port = node.serviceName;
                source.protocol = node.protocol;
                source.security = node.security;
                break;
            }
        }
        return source;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<DataSource> ResolveDataSource(const std::string& alias)
{
    if (auto fromDirectory = FromDirectory(alias))
        return fromDirectory;
    const db2config::ConfigurationFiles files = db2config::FindConfigurationFiles(Variable);
    std::vector<DataSource> sources;
    std::vector<std::string> problems;
    db2config::ReadSourcesFile(Source::kCliIni, files.cliIni.path, sources, problems);
    db2config::ReadSourcesFile(Source::kDsDriverCfg, files.dsDriverCfg.path, sources, problems);
    for (const DataSource& source : sources)
        if (db2::EqualIgnoringCase(source.alias, alias))
            return source;
    return std::nullopt;
}

} // namespace rk::sim
