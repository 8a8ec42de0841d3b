// rkdb2 status [--json]: which DB2 client this process uses. The library's
// own path, version and bitness; for each of the client's three libraries
// whether it loads, the file the system loaded and its version; and the
// default instance as the library reads it; the client's kind and the
// configuration files (db2cli.ini, db2dsdriver.cfg) it reads.

#include <cstdio>
#include <memory>

#include "ClientStatus.h"
#include "Command.h"

namespace {

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
        const rkdb2::ClientStatus status = rkdb2::GatherClientStatus(library);
        if (m_json)
            std::fputs(rkdb2::JsonDocument(rkdb2::ClientStatusJson(status)).c_str(), stdout);
        else
            rkdb2::PrintClientStatusText(status);
        return rkdb2::AllClientFilesUsable(status) ? rkdb2::kExitSuccess : rkdb2::kExitFailure;
    }

private:
    bool m_json = false;
};

const rkdb2::CommandRegistration registration(std::make_unique<StatusCommand>());

} // namespace
