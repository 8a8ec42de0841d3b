// rkdb2 sources [--format table|json|csv] and rkdb2 resolve ALIAS [--json]:
// every data source of the client (the directory, db2cli.ini,
// db2dsdriver.cfg) in the order the client resolves an alias, and which one
// wins for an alias.

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "CatalogKeywords.h"
#include "Command.h"
#include "CsvOutput.h"
#include "DataSourceListing.h"
#include "db2/Db2Names.h"
#include "os/Files.h"

namespace {

using rkdb2::DataSourceListing;

std::string Authentication(const RkDataSourceRecord& record)
{
    const char* keyword = rkdb2::KeywordOf(rkdb2::Keywords::kAuthentication, record.authentication);
    return keyword != nullptr ? keyword : "";
}

std::string Security(const RkDataSourceRecord& record) { return record.security == RKDB2_SECURITY_SSL ? "SSL" : ""; }

std::vector<std::string> Row(const RkDataSourceRecord& r)
{
    return {r.alias,
            r.databaseName,
            r.hostName,
            r.port,
            Security(r),
            Authentication(r),
            rkdb2::SourceText(r.source),
            rkdb2::PlaceText(r),
            r.shadowed ? "shadowed" : ""};
}

const char* const kColumns[] = {"ALIAS",          "DATABASE", "HOST",  "PORT",    "SECURITY",
                                "AUTHENTICATION", "SOURCE",   "WHERE", "SHADOWED"};

void PrintProblems(const DataSourceListing& listing)
{
    for (const auto& problem : listing.problems)
        std::fprintf(stderr, "rkdb2: warning: %s\n", problem.c_str());
}

bool List(rk::host::HostLibrary& library, DataSourceListing& listing)
{
    std::string error;
    if (rkdb2::ListDataSources(library, listing, error))
        return true;
    std::fprintf(stderr, "rkdb2: cannot read the data sources:\n%s\n", error.c_str());
    return false;
}

class SourcesCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "sources"; }
    const char* Summary() const override
    {
        return "every data source: the directory, db2cli.ini and db2dsdriver.cfg, in the client's order";
    }
    const char* SuccessMeaning() const override
    {
        return "the sources are listed (a malformed file's faults are warnings on standard error)";
    }
    const char* FailureMeaning() const override { return "the directory cannot be read"; }
    void Declare(CLI::App& command) override
    {
        command.add_option("--format", m_format, "table, json or csv")
            ->check(CLI::IsMember({"table", "json", "csv"}))
            ->capture_default_str();
        command.footer("A shadowed entry is one whose alias an earlier entry in the client's order names: the "
                       "earlier one wins. `rkdb2 resolve ALIAS` tells which for one alias.");
    }
    int Run(rk::host::HostLibrary& library) override
    {
        DataSourceListing listing;
        if (!List(library, listing))
            return rkdb2::kExitFailure;
        PrintProblems(listing);
        if (m_format == "json") {
            rkdb2::Json sources = rkdb2::Json::array();
            for (const auto& record : listing.sources)
                sources.push_back(rkdb2::DataSourceJson(record));
            std::fputs(rkdb2::JsonDocument(sources).c_str(), stdout);
        } else if (m_format == "csv") {
            rk::os::UseBinaryStandardOutput();
            std::string csv = rkdb2::CsvRecord(std::vector<std::string>(std::begin(kColumns), std::end(kColumns)));
            for (const auto& record : listing.sources)
                csv += rkdb2::CsvRecord(Row(record));
            std::fwrite(csv.data(), 1, csv.size(), stdout);
        } else {
            PrintTable(listing);
        }
        return rkdb2::kExitSuccess;
    }

private:
    static void PrintTable(const DataSourceListing& listing)
    {
        std::printf("Client: %s\n", rkdb2::ClientKindText(listing.files.clientKind).c_str());
        if (listing.sources.empty()) {
            std::printf("No data sources.\n");
            return;
        }
        std::vector<std::vector<std::string>> rows;
        rows.emplace_back(std::begin(kColumns), std::end(kColumns));
        for (const auto& record : listing.sources)
            rows.push_back(Row(record));
        std::vector<std::size_t> widths(std::size(kColumns), 0);
        for (const auto& row : rows)
            for (std::size_t c = 0; c < row.size(); ++c)
                widths[c] = std::max(widths[c], row[c].size());
        for (const auto& row : rows) {
            std::string line;
            for (std::size_t c = 0; c < row.size(); ++c)
                line += row[c] + (c + 1 < row.size() ? std::string(widths[c] - row[c].size() + 2, ' ') : "");
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            std::printf("%s\n", line.c_str());
        }
    }

    std::string m_format = "table";
};

class ResolveCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "resolve"; }
    const char* Summary() const override { return "which data source wins for ALIAS, and which it shadows"; }
    const char* SuccessMeaning() const override { return "a source names the alias"; }
    const char* FailureMeaning() const override { return "no source names it (or the directory cannot be read)"; }
    void Declare(CLI::App& command) override
    {
        command.add_option("ALIAS", m_alias, "the data source name a connection gives")->required();
        command.add_flag("--json", m_json, "the answer as one JSON document");
    }
    int Run(rk::host::HostLibrary& library) override
    {
        DataSourceListing listing;
        if (!List(library, listing))
            return rkdb2::kExitFailure;
        PrintProblems(listing);
        std::vector<const RkDataSourceRecord*> matches;
        for (const auto& record : listing.sources)
            if (rk::db2::EqualIgnoringCase(record.alias, m_alias))
                matches.push_back(&record);
        if (m_json) {
            rkdb2::Json shadows = rkdb2::Json::array();
            for (std::size_t i = 1; i < matches.size(); ++i)
                shadows.push_back(rkdb2::DataSourceJson(*matches[i]));
            const rkdb2::Json document{
                {"alias", rkdb2::JsonText(m_alias)},
                {"client", listing.files.clientKind == RKDB2_CLIENT_FULL ? "full" : "driver"},
                {"winner", matches.empty() ? rkdb2::Json(nullptr) : rkdb2::DataSourceJson(*matches[0])},
                {"shadows", shadows}};
            std::fputs(rkdb2::JsonDocument(document).c_str(), stdout);
            return matches.empty() ? rkdb2::kExitFailure : rkdb2::kExitSuccess;
        }
        if (matches.empty()) {
            std::printf("%s: no data source names it (client: %s).\n", m_alias.c_str(),
                        rkdb2::ClientKindText(listing.files.clientKind).c_str());
            return rkdb2::kExitFailure;
        }
        const RkDataSourceRecord& winner = *matches[0];
        std::printf("%s resolves through the %s%s%s: %s\n", m_alias.c_str(), rkdb2::SourceText(winner.source),
                    winner.source == RKDB2_SOURCE_DIRECTORY ? "" : " at ", rkdb2::PlaceText(winner).c_str(),
                    Target(winner).c_str());
        std::printf("  client: %s\n", rkdb2::ClientKindText(listing.files.clientKind).c_str());
        for (std::size_t i = 1; i < matches.size(); ++i)
            std::printf("  it shadows the %s%s%s: %s\n", rkdb2::SourceText(matches[i]->source),
                        matches[i]->source == RKDB2_SOURCE_DIRECTORY ? "" : " at ",
                        rkdb2::PlaceText(*matches[i]).c_str(), Target(*matches[i]).c_str());
        return rkdb2::kExitSuccess;
    }

private:
    static std::string Target(const RkDataSourceRecord& r)
    {
        std::string text = "database " + std::string(r.databaseName);
        text += r.hostName[0] == '\0' ? std::string(" (local)") : " at " + std::string(r.hostName) + ":" + r.port;
        if (r.security == RKDB2_SECURITY_SSL)
            text += ", SSL";
        if (!Authentication(r).empty())
            text += ", authentication " + Authentication(r);
        return text;
    }

    std::string m_alias;
    bool m_json = false;
};

const rkdb2::CommandRegistration sources(std::make_unique<SourcesCommand>());
const rkdb2::CommandRegistration resolve(std::make_unique<ResolveCommand>());

} // namespace
