// rkdb2 status [--json]: which DB2 client this process uses. The library's
// own path, version and bitness; for each of the client's three libraries
// whether it loads, the file the system loaded and its version; and the
// default instance as the library reads it; the client's kind and the
// configuration files (db2cli.ini, db2dsdriver.cfg) it reads.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ClientFiles.h"
#include "Command.h"
#include "DataSourceListing.h"
#include "DefaultInstance.h"
#include "JsonOutput.h"
#include "os/Environment.h"

namespace {

constexpr int kBitness = static_cast<int>(sizeof(void*) * 8);

struct Status {
    rkdb2::ProductLibraryStatus library;
    std::vector<rkdb2::ClientFileStatus> client;
    rkdb2::DefaultInstance defaultInstance;
    std::string db2Instance; // DB2INSTANCE, empty when unset
    bool sourcesRead = false;
    RkDataSourceFiles files{};
};

Status GatherStatus(rk::host::HostLibrary& library)
{
    Status status;
    // The library's first use: a list handle loads db2app and db2sys, as a
    // host's first listing does.
    library.CRkDatabaseListNew();

    status.library = rkdb2::InspectProductLibrary();
    status.client = rkdb2::InspectClientFiles();
    status.defaultInstance = rkdb2::ReadDefaultInstance();
    status.db2Instance = rk::os::GetEnv("DB2INSTANCE");
    rkdb2::DataSourceListing listing;
    std::string error;
    status.sourcesRead = rkdb2::ListDataSources(library, listing, error);
    status.files = listing.files;
    return status;
}

bool AllUsable(const Status& status)
{
    for (const auto& file : status.client)
        if (!file.usable)
            return false;
    return true;
}

std::string VersionText(const std::string& version) { return version.empty() ? "no version resource" : version; }

void PrintText(const Status& status)
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
    else if (profileValue->size() > rkdb2::kMaxDefaultInstanceLength)
        instance =
            "(none: DB2INSTDEF has more than " + std::to_string(rkdb2::kMaxDefaultInstanceLength) + " characters)";
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
    line("client kind", rkdb2::ClientKindText(status.files.clientKind));
    line("db2cli.ini", status.files.cliIni[0] != '\0' ? status.files.cliIni : "(none found)");
    line("db2dsdriver.cfg", status.files.dsDriverCfg[0] != '\0' ? status.files.dsDriverCfg : "(none found)");
}

rkdb2::Json OptionalText(const std::string& text)
{
    return text.empty() ? rkdb2::Json(nullptr) : rkdb2::JsonText(text);
}

void PrintJson(const Status& status)
{
    rkdb2::Json client = rkdb2::Json::array();
    for (const auto& file : status.client)
        client.push_back({{"file", file.fileName},
                          {"loaded", file.usable},
                          {"path", OptionalText(file.path)},
                          {"version", OptionalText(file.version)},
                          {"problem", OptionalText(file.problem)}});
    const rkdb2::Json document = {
        {"library",
         {{"path", OptionalText(status.library.path)},
          {"version", OptionalText(status.library.version)},
          {"versionSource",
           status.library.versionOfBuild ? "build" : (status.library.version.empty() ? "none" : "resource")},
          {"bitness", kBitness}}},
        {"client", client},
        {"defaultInstance", rkdb2::JsonText(status.defaultInstance.name)},
        {"db2Instance", OptionalText(status.db2Instance)},
        {"clientKind", !status.sourcesRead                            ? rkdb2::Json(nullptr)
                       : status.files.clientKind == RKDB2_CLIENT_FULL ? rkdb2::Json("full")
                                                                      : rkdb2::Json("driver")},
        {"cliIni", OptionalText(status.sourcesRead ? status.files.cliIni : "")},
        {"dsDriverCfg", OptionalText(status.sourcesRead ? status.files.dsDriverCfg : "")}};
    std::fputs(rkdb2::JsonDocument(document).c_str(), stdout);
}

class StatusCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "status"; }
    const char* Summary() const override { return "the library, the DB2 client's files and the default instance"; }
    const char* SuccessMeaning() const override { return "all three DB2 client libraries load"; }
    const char* FailureMeaning() const override { return "one of them does not (the reason is printed)"; }
    void Declare(CLI::App& command) override
    {
        command.add_flag("--json", m_json, "as JSON for scripts");
        command.footer("Each DB2 client library is loaded by its bare file name, as the library loads it: the "
                       "path shown is the file the system's search found.");
    }
    int Run(rk::host::HostLibrary& library) override
    {
        const Status status = GatherStatus(library);
        if (m_json)
            PrintJson(status);
        else
            PrintText(status);
        return AllUsable(status) ? rkdb2::kExitSuccess : rkdb2::kExitFailure;
    }

private:
    bool m_json = false;
};

const rkdb2::CommandRegistration registration(std::make_unique<StatusCommand>());

} // namespace
