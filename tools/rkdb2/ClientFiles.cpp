#include "ClientFiles.h"

#include "HostLibrary.h"
#include "db2/Db2EntryPoints.h"
#include "db2/Db2Files.h"
#include "db2/Db2Names.h"
#include "os/LoadedLibrary.h"
#include "os/Modules.h"

namespace rkdb2 {
namespace {

struct ClientFile {
    const char* fileName;
    std::vector<const char*> requiredExports;
};

#define RKDB2_ADD_REQUIRED_EXPORT(field, exportName, type, need)             \
    if (rk::db2::EntryPointNeed::need == rk::db2::EntryPointNeed::kRequired) \
        names.push_back(exportName);

std::vector<ClientFile> ClientFiles()
{
    std::vector<ClientFile> files;
    {
        std::vector<const char*> names;
        RK_DB2APP_ENTRY_POINTS(RKDB2_ADD_REQUIRED_EXPORT)
        files.push_back({RK_DB2APP_FILE, names});
    }
    {
        std::vector<const char*> names;
        RK_DB2SYS_ENTRY_POINTS(RKDB2_ADD_REQUIRED_EXPORT)
        files.push_back({RK_DB2SYS_FILE, names});
    }
    {
        std::vector<const char*> names;
        RK_DB2CLI_ENTRY_POINTS(RKDB2_ADD_REQUIRED_EXPORT)
        files.push_back({RK_DB2CLI_FILE, names});
    }
    return files;
}

#undef RKDB2_ADD_REQUIRED_EXPORT

ClientFileStatus Inspect(const ClientFile& file)
{
    ClientFileStatus status;
    status.fileName = file.fileName;
    // The library's own handle where it holds the file already (db2cli.dll
    // only once it has tested a connection), else a load of our own by the
    // same name, held while the module list is asked.
    const rk::os::LoadedLibrary library(file.fileName);
    if (!library.IsLoaded()) {
        status.problem = library.Error().empty() ? std::string("cannot be loaded") : library.Error();
        return status;
    }
    status.path = rk::os::LoadedLibraryPath(file.fileName);
    if (!status.path.empty())
        status.version = rk::os::FileVersion(status.path);
    std::string missing;
    for (const char* name : file.requiredExports)
        if (library.Export(rk::db2::ExportedName(name).c_str()) == nullptr)
            missing += (missing.empty() ? "" : ", ") + std::string(name);
    if (!missing.empty()) {
        status.problem = "lacks the entry points " + missing;
        return status;
    }
    status.usable = true;
    return status;
}

} // namespace

std::vector<OtherBitnessFile> FindOtherBitnessClientFiles()
{
    std::vector<OtherBitnessFile> found;
    if (rk::db2::kOtherBitnessFileSuffix == nullptr)
        return found;
    const std::string ending = std::string(RK_DB2_FILE_SUFFIX) + ".dll";
    for (const ClientFile& file : ClientFiles()) {
        const std::string name = file.fileName;
        const std::string other =
            name.substr(0, name.size() - ending.size()) + rk::db2::kOtherBitnessFileSuffix + ".dll";
        const std::string path = rk::os::FindLibraryFile(other);
        if (!path.empty())
            found.push_back({other, path});
    }
    return found;
}

ProductLibraryStatus InspectProductLibrary()
{
    ProductLibraryStatus status;
    const std::string& path = rk::host::DefaultLibraryPath();
    status.path = rk::os::LoadedLibraryPath(path.substr(path.find_last_of("/\\") + 1));
    if (rk::os::HasVersionResources()) {
        status.version = rk::os::FileVersion(status.path);
    } else {
        status.version = RKDB2ROVA_VERSION_STRING;
        status.versionOfBuild = true;
    }
    return status;
}

std::vector<ClientFileStatus> InspectClientFiles()
{
    std::vector<ClientFileStatus> statuses;
    for (const auto& file : ClientFiles())
        statuses.push_back(Inspect(file));
    return statuses;
}

} // namespace rkdb2
