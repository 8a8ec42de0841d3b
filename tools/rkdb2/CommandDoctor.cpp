// rkdb2 doctor [--json]: the client and its catalogue checked for what an
// administrator looks for by hand, each finding with its severity, one
// sentence and the commands that mend it.
//
// rkdb2 doctor ALIAS [--timeout S] [--user U] [--json]: one connection taken
// apart step by step (alias, host name, TCP, TLS, the library's connection
// test); the first failing step says which DB2 message a client would show
// and what likely causes it. Sockets and TLS are the tool's own: the
// library never opens a connection but through the DB2 client.

#include <cstdio>
#include <memory>
#include <string>

#include "ClientStatus.h"
#include "Command.h"
#include "ConnectionSteps.h"
#include "Findings.h"
#include "Password.h"

namespace {

using rkdb2::Json;

Json FindingJson(const rkdb2::Finding& finding)
{
    Json mend = Json::array();
    for (const auto& step : finding.mend)
        mend.push_back(rkdb2::JsonText(step));
    return {{"severity", rkdb2::SeverityText(finding.severity)},
            {"kind", finding.kind},
            {"subject", rkdb2::JsonText(finding.subject)},
            {"text", rkdb2::JsonText(finding.text)},
            {"mend", mend}};
}

void PrintFindings(const std::vector<rkdb2::Finding>& findings)
{
    std::printf("\n%s\n", findings.empty() ? "No findings." : "Findings:");
    for (const auto& finding : findings) {
        std::printf("  %-8s %s\n", rkdb2::SeverityText(finding.severity), finding.text.c_str());
        for (const auto& step : finding.mend)
            std::printf("           mend: %s\n", step.c_str());
    }
}

int CheckClient(rk::host::HostLibrary& library, bool json)
{
    const rkdb2::ClientStatus status = rkdb2::GatherClientStatus(library);
    const auto other = rkdb2::FindOtherBitnessClientFiles();
    rkdb2::DataSourceListing sources;
    std::string error;
    const bool sourcesRead = rkdb2::ListDataSources(library, sources, error);
    std::vector<rkdb2::Finding> findings = rkdb2::FindClientProblems(status, other, sources);
    rkdb2::Catalogue catalogue;
    std::string catalogueError;
    const bool catalogueRead = sourcesRead && rkdb2::ReadCatalogue(library, catalogue, catalogueError);
    if (catalogueRead) {
        const auto more = rkdb2::FindCatalogueProblems(catalogue, sources);
        findings.insert(findings.end(), more.begin(), more.end());
    } else if (rkdb2::AllClientFilesUsable(status)) {
        findings.push_back({rkdb2::Severity::kError,
                            "unreadable-catalogue",
                            "directory",
                            "the catalogue cannot be read: " + (sourcesRead ? catalogueError : error),
                            {}});
    }
    if (json) {
        Json document = rkdb2::ClientStatusJson(status);
        Json others = Json::array();
        for (const auto& file : other)
            others.push_back({{"file", file.fileName}, {"path", rkdb2::JsonText(file.path)}});
        document["otherBitness"] = others;
        Json list = Json::array();
        for (const auto& finding : findings)
            list.push_back(FindingJson(finding));
        document["findings"] = list;
        std::fputs(rkdb2::JsonDocument(document).c_str(), stdout);
    } else {
        rkdb2::PrintClientStatusText(status);
        PrintFindings(findings);
    }
    return findings.empty() ? rkdb2::kExitSuccess : rkdb2::kExitFailure;
}

Json StepJson(const rkdb2::Step& step)
{
    Json json = {{"step", step.name},
                 {"outcome", rkdb2::OutcomeText(step.outcome)},
                 {"milliseconds", step.milliseconds},
                 {"detail", rkdb2::JsonText(step.detail)}};
    if (!step.addresses.empty())
        json["addresses"] = step.addresses;
    if (!step.attempts.empty()) {
        Json attempts = Json::array();
        for (const auto& attempt : step.attempts)
            attempts.push_back({{"address", attempt.address},
                                {"connected", attempt.connected},
                                {"milliseconds", attempt.milliseconds},
                                {"code", attempt.connected ? Json(nullptr) : Json(attempt.error.code)},
                                {"error", attempt.connected ? Json(nullptr) : rkdb2::JsonText(attempt.error.text)}});
        json["attempts"] = attempts;
    }
    if (step.tls)
        json["tls"] = {{"protocol", step.tls->protocol},
                       {"subject", rkdb2::JsonText(step.tls->subject)},
                       {"issuer", rkdb2::JsonText(step.tls->issuer)},
                       {"notAfter", step.tls->notAfter},
                       {"expired", step.tls->expired}};
    return json;
}

void PrintReport(const rkdb2::ConnectionReport& report)
{
    std::printf("doctor %s\n", report.alias.c_str());
    for (const auto& step : report.steps) {
        const std::string time =
            step.outcome == rkdb2::StepOutcome::kSkipped ? "" : std::to_string(step.milliseconds) + " ms";
        std::printf("  %-8s %-8s %8s  %s\n", step.name, rkdb2::OutcomeText(step.outcome), time.c_str(),
                    step.detail.c_str());
    }
    if (!report.diagnosis) {
        std::printf("\nEvery step passed.\n");
        return;
    }
    std::printf("\nA DB2 client shows:\n  %s\nLikely causes, the likeliest first:\n",
                report.diagnosis->message.c_str());
    for (std::size_t i = 0; i < report.diagnosis->causes.size(); ++i)
        std::printf("  %zu. %s\n", i + 1, report.diagnosis->causes[i].c_str());
}

int CheckAlias(rk::host::HostLibrary& library, rkdb2::ConnectionCheck check, bool json)
{
    if (check.user && !rkdb2::ReadPassword(check.password)) {
        std::fprintf(stderr, "rkdb2: no password on standard input\n");
        return rkdb2::kExitUsage;
    }
    rkdb2::ConnectionReport report;
    std::string error;
    const bool checked = rkdb2::CheckConnection(library, check, report, error);
    std::fill(check.password.begin(), check.password.end(), '\0');
    if (!checked) {
        std::fprintf(stderr, "rkdb2: %s\n", error.c_str());
        return rkdb2::kExitFailure;
    }
    if (json) {
        Json steps = Json::array();
        for (const auto& step : report.steps)
            steps.push_back(StepJson(step));
        Json diagnosis = nullptr;
        if (report.diagnosis)
            diagnosis = {{"sqlcode", report.diagnosis->sqlcode},
                         {"message", rkdb2::JsonText(report.diagnosis->message)},
                         {"causes", report.diagnosis->causes}};
        std::fputs(
            rkdb2::JsonDocument({{"alias", rkdb2::JsonText(report.alias)}, {"steps", steps}, {"diagnosis", diagnosis}})
                .c_str(),
            stdout);
    } else {
        PrintReport(report);
    }
    return report.Failed() ? rkdb2::kExitFailure : rkdb2::kExitSuccess;
}

class DoctorCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "doctor"; }
    const char* Summary() const override
    {
        return "checks the client and its catalogue, or one alias's connection step by step";
    }
    const char* SuccessMeaning() const override { return "nothing was found, or every step passed"; }
    const char* FailureMeaning() const override
    {
        return "something was found (each finding with its mending commands), or a step failed (with DB2's "
               "message and the likely causes)";
    }
    void Declare(CLI::App& command) override
    {
        command.add_option("ALIAS", m_check.alias, "the alias whose connection to check");
        command.add_option("--timeout", m_check.timeoutSeconds, "seconds each network step may take (default 5)")
            ->check(CLI::Range(1, 600));
        command.add_option("--user", m_user, "also test the connection as USER (password as for connect)");
        command.add_flag("--json", m_json, "as JSON for scripts");
        command.footer("Without ALIAS: the client's files, the default instance, the configuration files and the "
                       "catalogue's faults. With ALIAS: the alias, the host name (every address), a TCP "
                       "connection to each, the TLS handshake where the entry is SSL, then the connection test "
                       "(only with --user; the password is read from the terminal or standard input).");
    }
    int Run(rk::host::HostLibrary& library) override
    {
        if (m_check.alias.empty())
            return CheckClient(library, m_json);
        if (!m_user.empty())
            m_check.user = m_user;
        return CheckAlias(library, m_check, m_json);
    }

private:
    rkdb2::ConnectionCheck m_check;
    std::string m_user;
    bool m_json = false;
};

const rkdb2::CommandRegistration registration(std::make_unique<DoctorCommand>());

} // namespace
