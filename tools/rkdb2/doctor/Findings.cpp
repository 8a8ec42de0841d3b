#include "Findings.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>

#include "CatalogKeywords.h"
#include "db2/Db2Files.h"
#include "db2/Db2Names.h"

namespace rkdb2 {
namespace {

constexpr int kBitness = static_cast<int>(sizeof(void*) * 8);
constexpr int kOtherBitness = kBitness == 32 ? 64 : 32;

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// A word for rkdb2's command line: quoted when it holds a blank.
std::string Word(const std::string& text)
{
    return text.find_first_of(" \t") == std::string::npos && !text.empty() ? text : "\"" + text + "\"";
}

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i)
        joined += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return joined;
}

std::string CatalogDatabaseCommand(const CatalogueDatabase& database, const std::string& node)
{
    std::string command = "rkdb2 catalog-database " + database.alias + " --node " + node;
    if (!rk::db2::EqualIgnoringCase(database.database, database.alias))
        command += " --database " + database.database;
    if (const char* keyword = KeywordOf(Keywords::kAuthentication, database.authentication);
        keyword != nullptr && database.authentication != RKDB2_AUTHENTICATION_NOT_SPECIFIED)
        command += std::string(" --authentication ") + keyword;
    if (!database.principal.empty())
        command += " --principal " + Word(database.principal);
    if (!database.comment.empty())
        command += " --comment " + Word(database.comment);
    if (!database.altHost.empty())
        command += " --alternate " + database.altHost + ":" + database.altPort;
    return command;
}

std::vector<const CatalogueDatabase*> DatabasesAt(const Catalogue& catalogue, const std::string& node)
{
    std::vector<const CatalogueDatabase*> found;
    for (const auto& database : catalogue.databases)
        if (rk::db2::EqualIgnoringCase(database.node, node))
            found.push_back(&database);
    return found;
}

void FindOrphans(const Catalogue& catalogue, std::vector<Finding>& findings)
{
    for (const auto& database : catalogue.orphans)
        findings.push_back({Severity::kError,
                            "orphan-database",
                            database.alias,
                            "database " + database.alias + " is catalogued at node " + database.node +
                                ", which is not in the node directory: connecting to it fails with SQL1097N.",
                            {"rkdb2 uncatalog-database " + database.alias}});
}

void FindUnusedAndDuplicateNodes(const Catalogue& catalogue, std::vector<Finding>& findings)
{
    // Nodes by server, in the node directory's order: the first keeps the
    // databases of the others.
    std::map<std::string, std::vector<const CatalogueNode*>> byServer;
    std::vector<std::string> serverOrder;
    for (const auto& node : catalogue.nodes) {
        const std::string server = Upper(node.host) + ":" + node.service;
        if (byServer[server].empty())
            serverOrder.push_back(server);
        byServer[server].push_back(&node);
    }
    for (const auto& server : serverOrder) {
        const auto& nodes = byServer[server];
        if (nodes.size() > 1) {
            std::vector<std::string> names;
            std::vector<std::string> mend;
            for (const CatalogueNode* node : nodes) {
                names.push_back(node->name);
                if (node == nodes.front())
                    continue;
                for (const CatalogueDatabase* database : DatabasesAt(catalogue, node->name)) {
                    mend.push_back("rkdb2 uncatalog-database " + database->alias);
                    mend.push_back(CatalogDatabaseCommand(*database, nodes.front()->name));
                }
                mend.push_back("rkdb2 uncatalog-node " + node->name);
            }
            findings.push_back({Severity::kWarning, "duplicate-node", nodes.front()->name,
                                "nodes " + JoinNames(names) + " all point at " + nodes.front()->host + ":" +
                                    nodes.front()->service + ": one node is enough, and the databases of " +
                                    nodes.front()->name + " can move there.",
                                mend});
        }
        for (const CatalogueNode* node : nodes)
            if (nodes.size() == 1 && DatabasesAt(catalogue, node->name).empty())
                findings.push_back({Severity::kWarning,
                                    "unused-node",
                                    node->name,
                                    "node " + node->name +
                                        " is catalogued, but no database is catalogued at it (the leftover of a "
                                        "failed or undone catalog).",
                                    {"rkdb2 uncatalog-node " + node->name}});
    }
}

std::string TargetText(const RkDataSourceRecord& record)
{
    const std::string host(record.hostName);
    return "database " + std::string(record.databaseName) +
           (host.empty() ? std::string() : " at " + host + ":" + record.port);
}

std::string PlaceOf(const RkDataSourceRecord& record)
{
    return record.source == RKDB2_SOURCE_DIRECTORY ? std::string("the directory") : PlaceText(record);
}

std::string RemoveStep(const RkDataSourceRecord& record)
{
    if (record.source == RKDB2_SOURCE_DIRECTORY)
        return "rkdb2 uncatalog-database " + std::string(record.alias);
    const std::string what = record.source == RKDB2_SOURCE_CLI_INI
                                 ? "the section [" + std::string(record.alias) + "]"
                                 : "the <dsn alias=\"" + std::string(record.alias) + "\">";
    return "remove or rename " + what + " at line " + std::to_string(record.line) + " of " + record.file;
}

void FindConflictingAliases(const DataSourceListing& sources, std::vector<Finding>& findings)
{
    std::map<std::string, std::vector<const RkDataSourceRecord*>> byAlias;
    std::vector<std::string> order;
    for (const auto& record : sources.sources) {
        const std::string alias = Upper(record.alias);
        if (byAlias[alias].empty())
            order.push_back(alias);
        byAlias[alias].push_back(&record);
    }
    for (const auto& alias : order) {
        const auto& records = byAlias[alias];
        const RkDataSourceRecord& winner = *records.front();
        for (std::size_t i = 1; i < records.size(); ++i) {
            const RkDataSourceRecord& other = *records[i];
            if (TargetText(other) == TargetText(winner))
                continue;
            findings.push_back({Severity::kWarning,
                                "conflicting-alias",
                                winner.alias,
                                "alias " + std::string(winner.alias) + " is defined in " + PlaceOf(winner) + " (" +
                                    TargetText(winner) + ") and in " + PlaceOf(other) + " (" + TargetText(other) +
                                    "); connections reach the first.",
                                {RemoveStep(other)}});
        }
    }
}

struct NameLimit {
    const char* what;
    std::size_t limit;
    bool cutSilently; // DB2 cuts a longer one instead of refusing it
};

void CheckLimit(const NameLimit& limit, const std::string& owner, const std::string& value,
                std::vector<Finding>& findings)
{
    if (value.size() < limit.limit)
        return;
    const std::string text =
        limit.cutSilently
            ? "the " + std::string(limit.what) + " of " + owner + " has " + std::to_string(limit.limit) +
                  " characters, DB2's limit: a longer one was cut when it was catalogued."
            : std::string(limit.what) + " " + value + " uses all " + std::to_string(limit.limit) +
                  " characters DB2 allows: names made from it (a copy's, with a suffix) cannot be catalogued.";
    findings.push_back({Severity::kNote, "name-at-limit", owner, text, {}});
}

void FindNamesAtLimits(const Catalogue& catalogue, std::vector<Finding>& findings)
{
    constexpr std::size_t kNameLimit = rk::db2::kMaxDirectoryNameLength;
    constexpr std::size_t kCommentLimit = sizeof(RkNodeRecord{}.comment) - 1;
    constexpr std::size_t kHostLimit = sizeof(RkNodeRecord{}.hostName) - 1;
    for (const auto& node : catalogue.nodes) {
        CheckLimit({"node", kNameLimit, false}, node.name, node.name, findings);
        CheckLimit({"host name", kHostLimit, false}, "node " + node.name, node.host, findings);
        CheckLimit({"comment", kCommentLimit, true}, "node " + node.name, node.comment, findings);
    }
    for (const auto& database : catalogue.databases) {
        CheckLimit({"alias", kNameLimit, false}, database.alias, database.alias, findings);
        if (!rk::db2::EqualIgnoringCase(database.database, database.alias))
            CheckLimit({"database name", kNameLimit, false}, database.alias, database.database, findings);
        CheckLimit({"comment", kCommentLimit, true}, "database " + database.alias, database.comment, findings);
    }
}

} // namespace

const char* SeverityText(Severity severity)
{
    switch (severity) {
    case Severity::kError: return "error";
    case Severity::kWarning: return "warning";
    case Severity::kNote: break;
    }
    return "note";
}

std::vector<Finding> FindClientProblems(const ClientStatus& status, const std::vector<OtherBitnessFile>& other,
                                        const DataSourceListing& sources)
{
    std::vector<Finding> findings;
    std::vector<std::string> missing;
    for (const auto& file : status.client)
        if (!file.usable) {
            missing.push_back(file.fileName);
            findings.push_back({Severity::kError,
                                "client-file",
                                file.fileName,
                                file.fileName + " is not usable: " + file.problem + ".",
                                {"install the DB2 client for " + std::to_string(kBitness) +
                                 "-bit programs, or name its directory with rkdb2 --client-dir (PATH for "
                                 "applications)"}});
        }
    if (!missing.empty() && !other.empty()) {
        std::vector<std::string> names;
        std::string where = other.front().path;
        where = where.substr(0, where.find_last_of("/\\"));
        for (const auto& file : other)
            names.push_back(file.fileName);
        findings.push_back({Severity::kError,
                            "other-bitness",
                            JoinNames(names),
                            "the " + std::to_string(kOtherBitness) + "-bit client's " + JoinNames(names) + " are in " +
                                where + ", but this " + std::to_string(kBitness) + "-bit program needs the " +
                                std::to_string(kBitness) + "-bit client's " + JoinNames(missing) + ".",
                            {"install the DB2 client's " + std::to_string(kBitness) + "-bit libraries, or use the " +
                             std::to_string(kOtherBitness) + "-bit rkdb2 and RkDb2Rova"}});
    }
    for (const auto& problem : sources.problems)
        findings.push_back({Severity::kWarning,
                            "file-fault",
                            problem.substr(0, problem.find(", line ")),
                            problem + (problem.empty() || problem.back() == '.' ? "" : "."),
                            {"correct that line: the client passes over it"}});
    return findings;
}

std::vector<Finding> FindCatalogueProblems(const Catalogue& catalogue, const DataSourceListing& sources)
{
    std::vector<Finding> findings;
    FindOrphans(catalogue, findings);
    FindUnusedAndDuplicateNodes(catalogue, findings);
    FindConflictingAliases(sources, findings);
    FindNamesAtLimits(catalogue, findings);
    return findings;
}

} // namespace rkdb2
