#include "db2config/ConfigurationFiles.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace rk::db2config {
namespace {

bool IsFile(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

std::string Join(const std::string& directory, const char* name)
{
    if (!directory.empty() && (directory.back() == '/' || directory.back() == '\\'))
        return directory + name;
    return directory + DirectorySeparator() + name;
}

// `item` itself when it is a file, else the file `name` in it; empty when
// neither exists.
std::string FileOrIn(const std::string& item, const char* name)
{
    if (IsFile(item))
        return item;
    const std::string inside = Join(item, name);
    return IsFile(inside) ? inside : std::string();
}

ConfigurationFile InProfilePath(const VariableReader& variable, const char* name, const char* instead)
{
    const std::optional<std::string> profile = variable("DB2INSTPROF");
    if (!profile || profile->empty())
        return {std::string(), std::string(instead) + " and DB2INSTPROF are not set"};
    const std::string path = Join(Join(*profile, "cfg"), name);
    return {IsFile(path) ? path : std::string(), "DB2INSTPROF=" + *profile + ": " + path};
}

std::vector<std::string> Split(const std::string& list, char separator)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t end; (end = list.find(separator, start)) != std::string::npos; start = end + 1)
        items.push_back(list.substr(start, end - start));
    items.push_back(list.substr(start));
    return items;
}

} // namespace

ConfigurationFiles FindConfigurationFiles(const VariableReader& variable)
{
    ConfigurationFiles files;
    if (const auto path = variable("DB2CLIINIPATH"); path && !path->empty())
        files.cliIni = {FileOrIn(*path, kCliIniName), "DB2CLIINIPATH=" + *path};
    else
        files.cliIni = InProfilePath(variable, kCliIniName, "DB2CLIINIPATH");

    if (const auto list = variable("DB2DSDRIVER_CFG_PATH"); list && !list->empty()) {
        files.dsDriverCfg.how = "DB2DSDRIVER_CFG_PATH=" + *list;
        for (const std::string& item : Split(*list, PathListSeparator())) {
            files.dsDriverCfg.path = item.empty() ? std::string() : FileOrIn(item, kDsDriverCfgName);
            if (!files.dsDriverCfg.path.empty())
                break;
        }
    } else {
        files.dsDriverCfg = InProfilePath(variable, kDsDriverCfgName, "DB2DSDRIVER_CFG_PATH");
    }
    return files;
}

} // namespace rk::db2config
