#pragma once
// The data sources of a DB2 client, wherever they are defined: the system
// database directory (with its nodes), db2cli.ini (one section per data
// source) and db2dsdriver.cfg (<dsn> and <database> elements); and the
// order in which the client resolves an alias, which says which entry wins
// where an alias is defined twice.
//
// IBM's order for CLI: a full client (one with the database directory)
// takes the connection string, then the database, node and DCS directories,
// then db2cli.ini, then db2dsdriver.cfg; a data server driver (no directory)
// the connection string, then db2cli.ini, then db2dsdriver.cfg. Within
// db2cli.ini the first section of a name counts, within db2dsdriver.cfg a
// <dsn> alias comes before a <database> of the same name.
//
// Passwords (PWD, Password) are never read into an entry or a problem.

#include <cstdint>
#include <string>
#include <vector>

namespace rk::db2config {

enum class Source : std::uint16_t { kDirectory = 1, kCliIni = 2, kDsDriverCfg = 3 };

enum class ClientKind { kFullClient, kDriverOnly };

struct DataSource {
    Source source = Source::kDirectory;
    std::string alias;
    std::string database;
    std::string host; // empty for a local database
    std::string port;
    std::uint16_t protocol = 3; // DB2's codes (db2/Db2Api.h)
    std::uint16_t security = 0;
    std::uint16_t authentication = 255;
    std::string file; // empty for the directory
    unsigned line = 0;
    bool shadowed = false; // an earlier entry in the client's order names the alias
};

bool operator==(const DataSource& left, const DataSource& right);

// The longest alias and database name an entry takes (DB2 CLI's data source
// names), and the longest file that is read, in bytes.
inline constexpr std::size_t kMaxAliasLength = 32;
inline constexpr std::size_t kMaxDatabaseLength = 32;
inline constexpr std::size_t kMaxFileSize = 16u << 20;

// The data sources of a db2cli.ini or db2dsdriver.cfg whose text is `text`,
// read from `path`, appended to `sources` in file order. What cannot be
// read (a malformed line or element, a port that is not a number, a name
// over its limit) is left out with a problem naming the file, the line and
// the fault; the rest is read.
void ReadCliIniSources(const std::string& path, const std::string& text, std::vector<DataSource>& sources,
                       std::vector<std::string>& problems);
void ReadDsDriverSources(const std::string& path, const std::string& text, std::vector<DataSource>& sources,
                         std::vector<std::string>& problems);

// Reads the file at `path` (nothing when `path` is empty) as the file of
// `source`: a file that cannot be read, or that is larger than
// kMaxFileSize, is a problem.
void ReadSourcesFile(Source source, const std::string& path, std::vector<DataSource>& sources,
                     std::vector<std::string>& problems);

// Marks each entry of `inOrder` (the client's order) whose alias an earlier
// entry names, in any case.
void MarkShadowed(std::vector<DataSource>& inOrder);

// "directory", "db2cli.ini", "db2dsdriver.cfg".
const char* SourceName(Source source);

} // namespace rk::db2config
