#include "CataloguePlan.h"

#include <algorithm>

#include "CatalogKeywords.h"
#include "db2/Db2Names.h"

namespace rkdb2 {
namespace {

using Kind = PlanStep::Kind;
using Action = PlanStep::Action;

constexpr int kMessageSize = 1024;

template <typename Entry>
const Entry* FindByName(const std::vector<Entry>& entries, std::string Entry::*name, const std::string& wanted)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) {
        return rk::db2::EqualIgnoringCase(entry.*name, wanted);
    });
    return found != entries.end() ? &*found : nullptr;
}

std::string KeywordText(Keywords table, std::uint16_t code)
{
    if (table == Keywords::kAuthentication && code == RKDB2_AUTHENTICATION_NOT_SPECIFIED)
        return "not specified";
    const char* keyword = KeywordOf(table, code);
    return keyword != nullptr ? keyword : std::to_string(code);
}

std::string Quoted(const std::string& text) { return text.empty() ? "(none)" : "\"" + text + "\""; }

std::string ServerText(const std::string& host, const std::string& port)
{
    return host.empty() ? "(none)" : host + ":" + port;
}

void Compare(std::vector<FieldChange>& changes, const char* field, const std::string& from, const std::string& to)
{
    if (from != to)
        changes.push_back({field, from, to});
}

std::vector<FieldChange> NodeChanges(const CatalogueNode& current, const CatalogueNode& wanted)
{
    std::vector<FieldChange> changes;
    Compare(changes, "host", current.host, wanted.host);
    Compare(changes, "service", current.service, wanted.service);
    Compare(changes, "protocol", KeywordText(Keywords::kProtocol, current.protocol),
            KeywordText(Keywords::kProtocol, wanted.protocol));
    Compare(changes, "security", KeywordText(Keywords::kSecurity, current.security),
            KeywordText(Keywords::kSecurity, wanted.security));
    Compare(changes, "comment", Quoted(current.comment), Quoted(wanted.comment));
    return changes;
}

std::vector<FieldChange> DatabaseChanges(const CatalogueDatabase& current, const CatalogueDatabase& wanted)
{
    std::vector<FieldChange> changes;
    if (!rk::db2::EqualIgnoringCase(current.database, wanted.database))
        changes.push_back({"database", current.database, wanted.database});
    if (!rk::db2::EqualIgnoringCase(current.node, wanted.node))
        changes.push_back({"node", current.node, wanted.node});
    Compare(changes, "authentication", KeywordText(Keywords::kAuthentication, current.authentication),
            KeywordText(Keywords::kAuthentication, wanted.authentication));
    Compare(changes, "principal", Quoted(current.principal), Quoted(wanted.principal));
    Compare(changes, "comment", Quoted(current.comment), Quoted(wanted.comment));
    return changes;
}

std::vector<FieldChange> AlternateChanges(const CatalogueDatabase* current, const CatalogueDatabase& wanted)
{
    std::vector<FieldChange> changes;
    Compare(changes, "alternate server", current != nullptr ? ServerText(current->altHost, current->altPort) : "(none)",
            ServerText(wanted.altHost, wanted.altPort));
    return changes;
}

// The note on the fields of a node that the library's requests cannot set,
// where the file wants them other than the client has them (a node that is
// catalogued anew has none).
void NoteUnsettable(const CatalogueNode& wanted, const CatalogueNode* current, bool recatalogued,
                    std::vector<std::string>& notes)
{
    const auto osType = [](std::uint16_t code) {
        return code == 0 ? std::string() : KeywordText(Keywords::kOsType, code);
    };
    const CatalogueNode none;
    const CatalogueNode& had = current != nullptr && !recatalogued ? *current : none;
    const struct {
        const char* clause;
        std::string wanted;
        std::string had;
    } fields[] = {
        {"REMOTE_INSTANCE", wanted.remoteInstance, had.remoteInstance},
        {"SYSTEM", wanted.systemName, had.systemName},
        {"OSTYPE", osType(wanted.osType), osType(had.osType)},
    };
    std::string differing;
    for (const auto& field : fields)
        if (field.wanted != field.had)
            differing += (differing.empty() ? "" : ", ") + std::string(field.clause) + " " +
                         (field.wanted.empty() ? "(none)" : field.wanted) +
                         " (the client: " + (field.had.empty() ? "none" : field.had) + ")";
    if (!differing.empty())
        notes.push_back("node " + wanted.name + ": " + differing +
                        " left as they are: DB2's node catalog API has no place for them, DB2's command line "
                        "sets them (CATALOG TCPIP NODE ... " +
                        fields[0].clause + " ...)");
}

} // namespace

std::size_t Plan::StepCount() const
{
    std::size_t count = 0;
    for (const auto& unit : units)
        count += unit.steps.size();
    return count;
}

bool MakePlan(const Catalogue& current, const Catalogue& wanted, bool prune, Plan& plan, std::string& error)
{
    plan = Plan();
    std::vector<PlanStep> nodeSteps(wanted.nodes.size());
    std::vector<bool> nodeHasStep(wanted.nodes.size(), false);
    for (std::size_t i = 0; i < wanted.nodes.size(); ++i) {
        const CatalogueNode& node = wanted.nodes[i];
        const CatalogueNode* had = FindByName(current.nodes, &CatalogueNode::name, node.name);
        std::vector<FieldChange> changes;
        if (had != nullptr)
            changes = NodeChanges(*had, node);
        if (had == nullptr || !changes.empty()) {
            nodeSteps[i] = {Kind::kNode, had == nullptr ? Action::kAdd : Action::kReplace,
                            node.name,   std::move(changes),
                            &node,       had,
                            nullptr,     nullptr};
            nodeHasStep[i] = true;
        } else {
            ++plan.unchanged;
        }
        NoteUnsettable(node, had, nodeHasStep[i], plan.notes);
    }

    // Each database's steps, in file order, under the node it is at.
    std::vector<std::vector<PlanStep>> databaseSteps(wanted.databases.size());
    std::vector<std::vector<std::size_t>> databasesOfNode(wanted.nodes.size());
    std::vector<std::size_t> elsewhere;
    for (std::size_t d = 0; d < wanted.databases.size(); ++d) {
        const CatalogueDatabase& database = wanted.databases[d];
        const auto nodeAt = std::find_if(wanted.nodes.begin(), wanted.nodes.end(), [&](const CatalogueNode& node) {
            return rk::db2::EqualIgnoringCase(node.name, database.node);
        });
        if (nodeAt == wanted.nodes.end() && FindByName(current.nodes, &CatalogueNode::name, database.node) == nullptr) {
            error = "databases[" + std::to_string(d) + "].node: the node \"" + database.node +
                    "\" is neither in the file nor catalogued";
            return false;
        }
        const CatalogueDatabase* had = FindByName(current.databases, &CatalogueDatabase::alias, database.alias);
        std::vector<PlanStep>& steps = databaseSteps[d];
        std::vector<FieldChange> changes;
        if (had != nullptr)
            changes = DatabaseChanges(*had, database);
        const bool recatalogued = had == nullptr || !changes.empty();
        if (recatalogued)
            steps.push_back({Kind::kDatabase, had == nullptr ? Action::kAdd : Action::kReplace, database.alias,
                             std::move(changes), nullptr, nullptr, &database, had});
        // A catalogued entry has no alternate server until one is set.
        const CatalogueDatabase* alternateBefore = recatalogued ? nullptr : had;
        std::vector<FieldChange> alternate = AlternateChanges(alternateBefore, database);
        if (!alternate.empty())
            steps.push_back({Kind::kDatabase, Action::kSetAlternateServer, database.alias, std::move(alternate),
                             nullptr, nullptr, &database, alternateBefore});
        if (steps.empty())
            ++plan.unchanged;
        else if (nodeAt != wanted.nodes.end())
            databasesOfNode[static_cast<std::size_t>(nodeAt - wanted.nodes.begin())].push_back(d);
        else
            elsewhere.push_back(d);
    }

    for (std::size_t n = 0; n < wanted.nodes.size(); ++n) {
        if (nodeHasStep[n] && databasesOfNode[n].empty())
            plan.units.push_back({{nodeSteps[n]}});
        for (std::size_t k = 0; k < databasesOfNode[n].size(); ++k) {
            PlanUnit unit;
            if (k == 0 && nodeHasStep[n])
                unit.steps.push_back(nodeSteps[n]);
            for (auto& step : databaseSteps[databasesOfNode[n][k]])
                unit.steps.push_back(std::move(step));
            plan.units.push_back(std::move(unit));
        }
    }
    for (const std::size_t d : elsewhere)
        plan.units.push_back({std::move(databaseSteps[d])});

    if (!prune)
        return true;
    for (const auto& database : current.databases)
        if (FindByName(wanted.databases, &CatalogueDatabase::alias, database.alias) == nullptr)
            plan.units.push_back(
                {{{Kind::kDatabase, Action::kRemove, database.alias, {}, nullptr, nullptr, nullptr, &database}}});
    for (const auto& node : current.nodes) {
        if (FindByName(wanted.nodes, &CatalogueNode::name, node.name) != nullptr)
            continue;
        if (FindByName(wanted.databases, &CatalogueDatabase::node, node.name) != nullptr) {
            plan.notes.push_back("node " + node.name +
                                 " is not in the file, but databases of the file are "
                                 "catalogued at it: it is not removed");
            continue;
        }
        plan.units.push_back({{{Kind::kNode, Action::kRemove, node.name, {}, nullptr, &node, nullptr, nullptr}}});
    }
    return true;
}

std::string Describe(const PlanStep& step)
{
    const char* kind = step.kind == Kind::kNode ? "node" : "database";
    std::string text;
    switch (step.action) {
    case Action::kAdd: text = std::string("add ") + kind + " " + step.name; break;
    case Action::kReplace: text = std::string("replace ") + kind + " " + step.name; break;
    case Action::kSetAlternateServer: text = "set the alternate server of database " + step.name; break;
    case Action::kRemove: return std::string("remove ") + kind + " " + step.name;
    }
    std::string details;
    if (step.action == Action::kAdd && step.wantedNode != nullptr) {
        const CatalogueNode& node = *step.wantedNode;
        details = "host " + node.host + ", service " + node.service + ", protocol " +
                  KeywordText(Keywords::kProtocol, node.protocol) + ", security " +
                  KeywordText(Keywords::kSecurity, node.security);
        if (!node.comment.empty())
            details += ", comment " + Quoted(node.comment);
    } else if (step.action == Action::kAdd) {
        const CatalogueDatabase& database = *step.wantedDatabase;
        details = "database " + database.database + " at node " + database.node + ", authentication " +
                  KeywordText(Keywords::kAuthentication, database.authentication);
        if (!database.principal.empty())
            details += ", principal " + database.principal;
        if (!database.comment.empty())
            details += ", comment " + Quoted(database.comment);
    } else {
        for (const auto& change : step.changes)
            details += (details.empty() ? "" : ", ") + change.field + " " + change.from + " -> " + change.to;
    }
    return text + ": " + details;
}

CatalogueCalls LibraryCalls(rk::host::HostLibrary& library)
{
    // Each call writes the library's message; success leaves it empty.
    const auto run = [](auto call, std::string& message) {
        char text[kMessageSize] = {};
        const bool ok = call(text) == 1;
        message = text;
        while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
            message.pop_back();
        return ok;
    };
    CatalogueCalls calls;
    calls.catalogNode = [&library, run](const CatalogueNode& node, std::string& message) {
        const RkNodeRecord record = NodeRecordOf(node);
        return run([&](char* text) { return library.RkCatalogNode(&record, text, kMessageSize); }, message);
    };
    calls.uncatalogNode = [&library, run](const std::string& name, std::string& message) {
        return run([&](char* text) { return library.RkUncatalogNode(name.c_str(), text, kMessageSize); }, message);
    };
    calls.catalogDatabase = [&library, run](const CatalogueDatabase& database, std::string& message) {
        const RkDatabaseRecord record = DatabaseRecordOf(database);
        return run([&](char* text) { return library.RkCatalogDatabaseAtNode(&record, text, kMessageSize); }, message);
    };
    calls.uncatalogDatabase = [&library, run](const std::string& alias, std::string& message) {
        return run([&](char* text) { return library.RkUncatalogDatabase(alias.c_str(), text, kMessageSize); }, message);
    };
    calls.setAlternateServer = [&library, run](const std::string& alias, const std::string& host,
                                               const std::string& port, std::string& message) {
        return run(
            [&](char* text) {
                return library.RkSetAlternateServer(alias.c_str(), host.empty() ? nullptr : host.c_str(),
                                                    port.empty() ? nullptr : port.c_str(), text, kMessageSize);
            },
            message);
    };
    return calls;
}

namespace {

// One library call of a step, with the call that takes it back.
struct Operation {
    std::string what;
    std::function<bool(std::string&)> run;
    std::function<bool(std::string&)> undo;
};

std::vector<Operation> OperationsOf(const PlanStep& step, const CatalogueCalls& c)
{
    std::vector<Operation> operations;
    if (step.kind == Kind::kNode) {
        const std::string name = step.name;
        if (step.action == Action::kReplace || step.action == Action::kRemove) {
            const CatalogueNode had = *step.currentNode;
            operations.push_back({"uncatalog node " + name, [=](std::string& m) { return c.uncatalogNode(name, m); },
                                  [=](std::string& m) { return c.catalogNode(had, m); }});
        }
        if (step.action == Action::kAdd || step.action == Action::kReplace) {
            const CatalogueNode wanted = *step.wantedNode;
            operations.push_back({"catalog node " + name, [=](std::string& m) { return c.catalogNode(wanted, m); },
                                  [=](std::string& m) { return c.uncatalogNode(name, m); }});
        }
        return operations;
    }
    const std::string alias = step.name;
    const auto setAlternate = [c, alias](const CatalogueDatabase* database) {
        const std::string host = database != nullptr ? database->altHost : std::string();
        const std::string port = database != nullptr ? database->altPort : std::string();
        return [c, alias, host, port](std::string& m) { return c.setAlternateServer(alias, host, port, m); };
    };
    switch (step.action) {
    case Action::kSetAlternateServer:
        operations.push_back({"set the alternate server of " + alias, setAlternate(step.wantedDatabase),
                              setAlternate(step.currentDatabase)});
        break;
    case Action::kReplace:
    case Action::kRemove: {
        const CatalogueDatabase had = *step.currentDatabase;
        operations.push_back(
            {"uncatalog database " + alias, [=](std::string& m) { return c.uncatalogDatabase(alias, m); },
             [=](std::string& m) {
                 return c.catalogDatabase(had, m) &&
                        (had.altHost.empty() || c.setAlternateServer(alias, had.altHost, had.altPort, m));
             }});
        if (step.action == Action::kRemove)
            break;
    }
        [[fallthrough]];
    case Action::kAdd: {
        const CatalogueDatabase wanted = *step.wantedDatabase;
        operations.push_back({"catalog database " + alias, [=](std::string& m) { return c.catalogDatabase(wanted, m); },
                              [=](std::string& m) { return c.uncatalogDatabase(alias, m); }});
        break;
    }
    }
    return operations;
}

} // namespace

Outcome Execute(const Plan& plan, const CatalogueCalls& calls)
{
    Outcome outcome;
    for (std::size_t u = 0; u < plan.units.size(); ++u) {
        const PlanUnit& unit = plan.units[u];
        std::vector<const Operation*> taken;
        std::vector<std::vector<Operation>> operations;
        for (const auto& step : unit.steps)
            operations.push_back(OperationsOf(step, calls));
        for (std::size_t s = 0; s < unit.steps.size() && !outcome.failed; ++s) {
            for (const Operation& operation : operations[s]) {
                std::string message;
                if (!operation.run(message)) {
                    outcome.failed = true;
                    outcome.failedStep = Describe(unit.steps[s]);
                    outcome.message = operation.what + ": " + message;
                    break;
                }
                taken.push_back(&operation);
            }
        }
        if (!outcome.failed) {
            for (const auto& step : unit.steps)
                outcome.applied.push_back(Describe(step));
            continue;
        }
        for (auto it = taken.rbegin(); it != taken.rend(); ++it) {
            std::string message;
            if ((*it)->undo(message))
                outcome.undone.push_back((*it)->what);
            else
                outcome.undoFailures.push_back((*it)->what + ": " + message);
        }
        for (const auto& step : unit.steps)
            if (Describe(step) != outcome.failedStep)
                outcome.notApplied.push_back(Describe(step));
        for (std::size_t later = u + 1; later < plan.units.size(); ++later)
            for (const auto& step : plan.units[later].steps)
                outcome.notApplied.push_back(Describe(step));
        break;
    }
    return outcome;
}

Json PlanJson(const Plan& plan)
{
    Json steps = Json::array();
    for (std::size_t u = 0; u < plan.units.size(); ++u) {
        for (const auto& step : plan.units[u].steps) {
            static const char* const kActions[] = {"add", "replace", "setAlternateServer", "remove"};
            Json changes = Json::array();
            for (const auto& change : step.changes)
                changes.push_back(
                    {{"field", change.field}, {"from", JsonText(change.from)}, {"to", JsonText(change.to)}});
            steps.push_back({{"unit", u},
                             {"action", kActions[static_cast<int>(step.action)]},
                             {"kind", step.kind == Kind::kNode ? "node" : "database"},
                             {"name", JsonText(step.name)},
                             {"changes", changes},
                             {"description", JsonText(Describe(step))}});
        }
    }
    Json notes = Json::array();
    for (const auto& note : plan.notes)
        notes.push_back(JsonText(note));
    return Json{{"steps", steps}, {"notes", notes}, {"unchanged", plan.unchanged}};
}

Json OutcomeJson(const Outcome& outcome)
{
    const auto texts = [](const std::vector<std::string>& list) {
        Json array = Json::array();
        for (const auto& text : list)
            array.push_back(JsonText(text));
        return array;
    };
    Json failed = nullptr;
    if (outcome.failed)
        failed = {{"step", JsonText(outcome.failedStep)},
                  {"message", JsonText(outcome.message)},
                  {"undone", texts(outcome.undone)},
                  {"undoFailures", texts(outcome.undoFailures)}};
    return Json{{"applied", texts(outcome.applied)}, {"failed", failed}, {"notApplied", texts(outcome.notApplied)}};
}

} // namespace rkdb2
