// rkdb2 list [--json]: the catalogued databases with their nodes, as a table
// for people or as JSON for scripts.

#include <algorithm>
#include <iterator>
#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DatabaseListing.h"

namespace {

using rkdb2::DatabaseFields;

// The table's columns; `rkdb2 show ALIAS` gives all fifteen fields.
const rkdb2::DetailsIndex kColumns[] = {rkdb2::kAlias,        rkdb2::kDatabaseName, rkdb2::kNodeName,
                                        rkdb2::kHostName,     rkdb2::kServiceName,  rkdb2::kInstanceName,
                                        rkdb2::kPlatform,     rkdb2::kEntryType};
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

// Texts are bytes in the DB2 client's ANSI code page; bytes above 0x7F are
// written as the Latin-1 code points of the same value, so the output is
// always valid JSON.
std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20 || byte > 0x7E) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(byte));
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

void PrintJson(const std::vector<DatabaseFields>& databases)
{
    std::printf("[");
    for (std::size_t d = 0; d < databases.size(); ++d) {
        std::printf("%s\n  {", d == 0 ? "" : ",");
        for (std::size_t f = 0; f < rkdb2::kDetailsFieldCount; ++f)
            std::printf("%s\"%s\": %s", f == 0 ? "" : ", ", rkdb2::DetailsFields()[f].key,
                        JsonString(databases[d][f]).c_str());
        std::printf("}");
    }
    std::printf("%s]\n", databases.empty() ? "" : "\n");
}

int RunList(rk::host::HostLibrary& library, const rkdb2::Arguments& args)
{
    const bool json = args.size() == 1 && args[0] == "--json";
    if (!args.empty() && !json) {
        std::fprintf(stderr, "usage: rkdb2 list [--json]\n");
        return 2;
    }
    std::vector<DatabaseFields> databases;
    std::string error;
    if (!rkdb2::ListDatabases(library, databases, error)) {
        std::fprintf(stderr, "rkdb2: cannot list the databases:\n%s\n", error.c_str());
        return 1;
    }
    if (json)
        PrintJson(databases);
    else
        PrintTable(databases);
    return 0;
}

const rkdb2::CommandRegistration registration({"list", "[--json]", "the catalogued databases and their nodes",
                                                RunList});

} // namespace
