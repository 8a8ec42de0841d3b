// rkdb2 export [--format clp|json] [--output FILE]: the catalogue's remote
// entries as a script for DB2's command line that recreates them on another
// machine, or as JSON.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "CatalogueExport.h"
#include "Command.h"

namespace {

// Text mode: line ends as the platform writes them, for the command line of
// the machine the script is carried to. False with the system's reason.
bool WriteOut(const std::string& text, const std::string& outputPath, std::string& reason)
{
    errno = 0;
    if (outputPath.empty()) {
        if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0)
            return true;
        reason = std::strerror(errno);
        return false;
    }
    std::FILE* file = std::fopen(outputPath.c_str(), "w");
    if (file == nullptr) {
        reason = std::strerror(errno);
        return false;
    }
    const bool written = std::fputs(text.c_str(), file) >= 0;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return true;
    reason = std::strerror(written ? errno : writeError);
    return false;
}

class ExportCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "export"; }
    const char* Summary() const override { return "the catalogue as a DB2 command-line script (or JSON for apply)"; }
    const char* SuccessMeaning() const override { return "the script (or JSON) is written"; }
    const char* FailureMeaning() const override
    {
        return "the listing failed, the output cannot be written, or an entry cannot be written as a statement "
               "(which entry and why is printed; nothing is written)";
    }
    void Declare(CLI::App& command) override
    {
        command.add_option("--format", m_format, "clp: a script for db2 -tvf; json: the same entries for scripts")
            ->check(CLI::IsMember({"clp", "json"}))
            ->capture_default_str();
        command.add_option("--output", m_output, "write to FILE instead of standard output")->type_name("FILE");
        command.footer("The script catalogs every TCP/IP node (CATALOG TCPIP NODE, TCPIP4 or TCPIP6, with its "
                       "security, remote instance, system, OS type and comment), then each remote database "
                       "(CATALOG DATABASE, with its authentication, principal and comment) and its alternate "
                       "server. Local databases and databases whose node is not catalogued are left out, with "
                       "comments saying why. `rkdb2 apply` reads the JSON back.");
    }
    int Run(rk::host::HostLibrary& library) override
    {
        rkdb2::Catalogue catalogue;
        std::string error;
        if (!rkdb2::ReadCatalogue(library, catalogue, error)) {
            std::fprintf(stderr, "rkdb2: cannot read the catalogue:\n%s\n", error.c_str());
            return rkdb2::kExitFailure;
        }
        std::string text;
        if (m_format == "json") {
            text = rkdb2::JsonDocument(rkdb2::CatalogueJson(catalogue));
        } else if (!rkdb2::ClpScript(catalogue, text, error)) {
            std::fprintf(stderr, "rkdb2: cannot write the script: %s\n", error.c_str());
            return rkdb2::kExitFailure;
        }
        std::string reason;
        if (!WriteOut(text, m_output, reason)) {
            std::fprintf(stderr, "rkdb2: cannot write %s: %s\n",
                         m_output.empty() ? "to standard output" : m_output.c_str(), reason.c_str());
            return rkdb2::kExitFailure;
        }
        return rkdb2::kExitSuccess;
    }

private:
    std::string m_format = "clp";
    std::string m_output;
};

const rkdb2::CommandRegistration registration(std::make_unique<ExportCommand>());

} // namespace
