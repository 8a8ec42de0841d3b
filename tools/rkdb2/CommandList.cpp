// rkdb2 list [--format table|json|csv]: the catalogued databases with their
// nodes, as a table for people, as JSON for scripts or as CSV for
// spreadsheets.

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "CsvOutput.h"
#include "DatabaseListing.h"
#include "JsonOutput.h"
#include "os/Files.h"

namespace {

using rkdb2::DatabaseFields;

// The table's columns; `rkdb2 show ALIAS` gives all fifteen fields.
const rkdb2::DetailsIndex kColumns[] = {rkdb2::kAlias,       rkdb2::kDatabaseName, rkdb2::kNodeName, rkdb2::kHostName,
                                        rkdb2::kServiceName, rkdb2::kInstanceName, rkdb2::kPlatform, rkdb2::kEntryType};
const char* const kColumnTitles[] = {"ALIAS", "DATABASE", "NODE", "HOST", "SERVICE", "INSTANCE", "PLATFORM", "TYPE"};

void PrintTable(const std::vector<DatabaseFields>& databases)
{
    if (databases.empty()) {
        std::printf("No databases are catalogued.\n");
        return;
    }
    std::vector<std::size_t> widths;
    for (std::size_t c = 0; c < std::size(kColumns); ++c) {
        std::size_t width = std::string(kColumnTitles[c]).size();
        for (const auto& database : databases)
            width = std::max(width, database[kColumns[c]].size());
        widths.push_back(width);
    }
    auto printRow = [&](auto cell) {
        std::string line;
        for (std::size_t c = 0; c < std::size(kColumns); ++c) {
            const std::string text = cell(c);
            line += text;
            if (c + 1 < std::size(kColumns))
                line += std::string(widths[c] - text.size() + 2, ' ');
        }
        std::printf("%s\n", line.c_str());
    };
    printRow([](std::size_t c) { return std::string(kColumnTitles[c]); });
    for (const auto& database : databases)
        printRow([&](std::size_t c) { return database[kColumns[c]]; });
}

void PrintJson(const std::vector<DatabaseFields>& databases)
{
    rkdb2::Json list = rkdb2::Json::array();
    for (const auto& database : databases) {
        rkdb2::Json object = rkdb2::Json::object();
        for (std::size_t f = 0; f < rkdb2::kDetailsFieldCount; ++f)
            object[rkdb2::DetailsFields()[f].key] = rkdb2::JsonText(database[f]);
        list.push_back(std::move(object));
    }
    std::fputs(rkdb2::JsonDocument(list).c_str(), stdout);
}

// A header row of the JSON field names, then one row per database, bytes as
// the client gave them.
void PrintCsv(const std::vector<DatabaseFields>& databases)
{
    rk::os::UseBinaryStandardOutput();
    std::vector<std::string> row;
    for (const auto& field : rkdb2::DetailsFields())
        row.emplace_back(field.key);
    std::fputs(rkdb2::CsvRecord(row).c_str(), stdout);
    for (const auto& database : databases)
        std::fputs(rkdb2::CsvRecord(std::vector<std::string>(database.begin(), database.end())).c_str(), stdout);
}

class ListCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "list"; }
    const char* Summary() const override { return "the catalogued databases and their nodes"; }
    const char* SuccessMeaning() const override { return "the databases are listed (also when there are none)"; }
    const char* FailureMeaning() const override { return "the listing failed (DB2's error text is printed)"; }
    void Declare(CLI::App& command) override
    {
        CLI::Option* format =
            command.add_option("--format", m_format, "table for people, json for scripts, csv for spreadsheets")
                ->check(CLI::IsMember({"table", "json", "csv"}))
                ->capture_default_str();
        command.add_flag("--json", m_json, "the same as --format json")->excludes(format);
        command.footer("json and csv give all fifteen fields of each database, named as in the library's "
                       "header; `rkdb2 show ALIAS` gives them for one database.");
    }
    int Run(rk::host::HostLibrary& library) override
    {
        std::vector<DatabaseFields> databases;
        std::string error;
        if (!rkdb2::ListDatabases(library, databases, error)) {
            std::fprintf(stderr, "rkdb2: cannot list the databases:\n%s\n", error.c_str());
            return rkdb2::kExitFailure;
        }
        if (m_json || m_format == "json")
            PrintJson(databases);
        else if (m_format == "csv")
            PrintCsv(databases);
        else
            PrintTable(databases);
        return rkdb2::kExitSuccess;
    }

private:
    std::string m_format = "table";
    bool m_json = false;
};

const rkdb2::CommandRegistration registration(std::make_unique<ListCommand>());

} // namespace
