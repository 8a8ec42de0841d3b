#include "os/Modules.h"

#include <climits>
#include <cstdlib>

#include <link.h>

namespace rk::os {
namespace {

struct Search {
    const std::string& fileName;
    std::string path;
};

int MatchModule(dl_phdr_info* info, std::size_t, void* data)
{
    auto& search = *static_cast<Search*>(data);
    const std::string path = info->dlpi_name != nullptr ? info->dlpi_name : "";
    const auto slash = path.find_last_of('/');
    if (path.compare(slash == std::string::npos ? 0 : slash + 1, std::string::npos, search.fileName) != 0)
        return 0;
    // The loader keeps the name it was given, relative when the search found
    // the file through a relative directory.
    char resolved[PATH_MAX];
    search.path = ::realpath(path.c_str(), resolved) != nullptr ? resolved : path;
    return 1;
}

} // namespace

std::string LoadedLibraryPath(const std::string& fileName)
{
    Search search{fileName, {}};
    ::dl_iterate_phdr(MatchModule, &search);
    return search.path;
}

std::string FileVersion(const std::string&) { return std::string(); }

bool HasVersionResources() { return false; }

} // namespace rk::os
