#pragma once
// Where a DB2 client finds db2cli.ini and db2dsdriver.cfg, as IBM documents
// it: the DB2 registry variables DB2CLIINIPATH (a directory holding
// db2cli.ini, or the file itself) and DB2DSDRIVER_CFG_PATH (one or more
// directories or files, separated by ';' on Windows and ':' elsewhere,
// searched in order; only they are searched when it is set); otherwise the
// "cfg" directory of the DB2 copy's instance profile path, DB2INSTPROF
// (C:\ProgramData\IBM\DB2\<copy> on Windows, where the installer records it
// in the global profile).

#include <functional>
#include <optional>
#include <string>

namespace rk::db2config {

inline constexpr char kCliIniName[] = "db2cli.ini";
inline constexpr char kDsDriverCfgName[] = "db2dsdriver.cfg";

struct ConfigurationFile {
    std::string path; // the file to read, or empty when none was found
    std::string how;  // where it was looked for, for people
};

struct ConfigurationFiles {
    ConfigurationFile cliIni;
    ConfigurationFile dsDriverCfg;
};

// A DB2 registry variable as the DB2 client resolves it (the process
// environment first, then the profile registry), or nothing.
using VariableReader = std::function<std::optional<std::string>(const char* name)>;

ConfigurationFiles FindConfigurationFiles(const VariableReader& variable);

// The separators of the platform: between a directory and a name, and
// between the paths of DB2DSDRIVER_CFG_PATH.
char DirectorySeparator();
char PathListSeparator();

} // namespace rk::db2config
