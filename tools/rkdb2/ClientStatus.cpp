#include "ClientStatus.h"

#include <cstdio>

#include "DataSourceListing.h"
#include "os/Environment.h"

namespace rkdb2 {
namespace {

constexpr int kBitness = static_cast<int>(sizeof(void*) * 8);

std::string VersionText(const std::string& version) { return version.empty() ? "no version resource" : version; }

Json OptionalText(const std::string& text) { return text.empty() ? Json(nullptr) : JsonText(text); }

} // namespace

ClientStatus GatherClientStatus(rk::host::HostLibrary& library)
{
    ClientStatus status;
    // The library's first use: a list handle loads db2app and db2sys, as a
    // host's first listing does.
    library.CRkDatabaseListNew();

    status.library = InspectProductLibrary();
    status.client = InspectClientFiles();
    status.defaultInstance = ReadDefaultInstance();
    status.db2Instance = rk::os::GetEnv("DB2INSTANCE");
    DataSourceListing listing;
    std::string error;
    status.sourcesRead = ListDataSources(library, listing, error);
    status.files = listing.files;
    return status;
}

bool AllClientFilesUsable(const ClientStatus& status)
{
    for (const auto& file : status.client)
        if (!file.usable)
            return false;
    return true;
}

void PrintClientStatusText(const ClientStatus& status)
{
    const auto line = [](const std::string& label, const std::string& value) {
        std::printf("%-18s %s\n", label.c_str(), value.c_str());
    };
    line("RkDb2Rova", status.library.path.empty() ? "(not in the module list)" : status.library.path);
    line("  version", status.library.versionOfBuild ? status.library.version + " (this build)"
                                                    : VersionText(status.library.version));
    line("  bitness", std::to_string(kBitness) + "-bit");
    for (const auto& file : status.client) {
        if (file.usable)
            line(file.fileName, "loaded from " + file.path);
        else
            line(file.fileName, "not usable: " + file.problem + (file.path.empty() ? "" : " (" + file.path + ")"));
        if (!file.path.empty())
            line("  version", VersionText(file.version));
    }
    const auto& profileValue = status.defaultInstance.profileValue;
    std::string instance;
    if (!profileValue)
        instance = "(none: DB2INSTDEF is not set)";
    else if (profileValue->size() > kMaxDefaultInstanceLength)
        instance = "(none: DB2INSTDEF has more than " + std::to_string(kMaxDefaultInstanceLength) + " characters)";
    else if (profileValue->empty())
        instance = "(none: DB2INSTDEF is empty)";
    else
        instance = *profileValue + " (DB2INSTDEF)";
    line("default instance", instance);
    line("DB2INSTANCE", status.db2Instance.empty() ? "(not set)" : status.db2Instance);
    if (!status.sourcesRead) {
        line("data sources", "(the directory cannot be read: rkdb2 sources says why)");
        return;
    }
    line("client kind", ClientKindText(status.files.clientKind));
    line("db2cli.ini", status.files.cliIni[0] != '\0' ? status.files.cliIni : "(none found)");
    line("db2dsdriver.cfg", status.files.dsDriverCfg[0] != '\0' ? status.files.dsDriverCfg : "(none found)");
}

Json ClientStatusJson(const ClientStatus& status)
{
    Json client = Json::array();
    for (const auto& file : status.client)
        client.push_back({{"file", file.fileName},
                          {"loaded", file.usable},
                          {"path", OptionalText(file.path)},
                          {"version", OptionalText(file.version)},
                          {"problem", OptionalText(file.problem)}});
    const Json document = {
        {"library",
         {{"path", OptionalText(status.library.path)},
          {"version", OptionalText(status.library.version)},
          {"versionSource",
           status.library.versionOfBuild ? "build" : (status.library.version.empty() ? "none" : "resource")},
          {"bitness", kBitness}}},
        {"client", client},
        {"defaultInstance", JsonText(status.defaultInstance.name)},
        {"db2Instance", OptionalText(status.db2Instance)},
        {"clientKind", !status.sourcesRead                            ? Json(nullptr)
                       : status.files.clientKind == RKDB2_CLIENT_FULL ? Json("full")
                                                                      : Json("driver")},
        {"cliIni", OptionalText(status.sourcesRead ? status.files.cliIni : "")},
        {"dsDriverCfg", OptionalText(status.sourcesRead ? status.files.dsDriverCfg : "")}};
    return document;
}

} // namespace rkdb2
