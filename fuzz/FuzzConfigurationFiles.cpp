// The readers of db2cli.ini and db2dsdriver.cfg from any bytes: the first
// input byte chooses the reader, the rest is the file. They never crash,
// each fault names the file (and a line where there is one), and every
// entry they give holds a name, a host and a port within DB2's limits.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "db2/Db2Api.h"
#include "db2config/DataSources.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool xml = (data[0] & 1) != 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string path = xml ? "fuzz/db2dsdriver.cfg" : "fuzz/db2cli.ini";
    std::vector<rk::db2config::DataSource> sources;
    std::vector<std::string> problems;
    if (xml)
        rk::db2config::ReadDsDriverSources(path, text, sources, problems);
    else
        rk::db2config::ReadCliIniSources(path, text, sources, problems);
    for (const auto& problem : problems)
        Require(problem.rfind(path, 0) == 0);
    for (const auto& source : sources) {
        Require(!source.alias.empty() && source.alias.size() <= rk::db2config::kMaxAliasLength);
        Require(!source.database.empty() && source.database.size() <= rk::db2config::kMaxDatabaseLength);
        Require(!source.host.empty() && source.host.size() <= rk::db2::nodeinfo::kHostName.width);
        Require(!source.port.empty() && source.port.size() <= 5);
        Require(source.file == path && source.line >= 1);
    }
    return 0;
}
