#include "datasources/DataSourceRecords.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "datasources/CRkDataSourceList.h"
#include "db2config/DataSources.h"

namespace rk::datasources {
namespace {

// The population keeps every text within its field; a longer one would be
// cut here.
template <std::size_t N>
void Put(char (&field)[N], std::string_view text)
{
    const std::size_t length = std::min(text.size(), N - 1);
    if (length > 0) // an empty view may have no data at all
        std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

static_assert(sizeof(RkDataSourceRecord::alias) == db2config::kMaxAliasLength + 1 &&
                  sizeof(RkDataSourceRecord::databaseName) == db2config::kMaxDatabaseLength + 1,
              "the record holds every name a population takes");
static_assert(RKDB2_SOURCE_DIRECTORY == static_cast<int>(db2config::Source::kDirectory) &&
                  RKDB2_SOURCE_CLI_INI == static_cast<int>(db2config::Source::kCliIni) &&
                  RKDB2_SOURCE_DSDRIVER_CFG == static_cast<int>(db2config::Source::kDsDriverCfg),
              "the header's sources are the population's");

} // namespace

void WriteDataSourceRecord(const CRkDataSourceEntry& entry, RkDataSourceRecord& record)
{
    const db2config::DataSource& source = entry.Source();
    record.source = static_cast<unsigned short>(source.source);
    record.protocol = source.protocol;
    record.security = source.security;
    record.authentication = source.authentication;
    record.shadowed = source.shadowed ? 1 : 0;
    record.reserved = 0;
    record.line = source.line;
    Put(record.alias, source.alias);
    Put(record.databaseName, source.database);
    Put(record.hostName, source.host);
    Put(record.port, source.port);
    Put(record.file, source.file);
}

void WriteDataSourceFiles(const CRkDataSourceList& list, RkDataSourceFiles& files)
{
    files.clientKind = list.Kind() == db2config::ClientKind::kFullClient ? RKDB2_CLIENT_FULL : RKDB2_CLIENT_DRIVER;
    files.reserved = 0;
    Put(files.cliIni, list.Files().cliIni.path);
    Put(files.dsDriverCfg, list.Files().dsDriverCfg.path);
}

} // namespace rk::datasources
