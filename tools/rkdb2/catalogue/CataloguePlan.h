#pragma once
// What `rkdb2 apply` does to make a client's catalogue equal a file's: the
// plan (each node and database to add, to replace with the fields that
// differ, to remove, or whose alternate server to set; entries equal to the
// file are left alone), and its execution through the library's exports.
//
// The plan is a list of units, each undone whole when one of its steps
// fails: a database's steps with, for the first database of a node that is
// added or replaced, that node's step, so that no node is left behind
// without its database; a node without databases to change is a unit of its
// own. Nodes come before their databases; removals (--prune) come last,
// databases before nodes.

#include <functional>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "JsonOutput.h"

namespace rkdb2 {

struct FieldChange {
    std::string field;
    std::string from;
    std::string to;
};

struct PlanStep {
    enum class Kind { kNode, kDatabase };
    enum class Action { kAdd, kReplace, kSetAlternateServer, kRemove };
    Kind kind;
    Action action;
    std::string name;
    std::vector<FieldChange> changes;
    // The entry as the file wants it (null for a removal) and as the client
    // has it (null for an addition).
    const CatalogueNode* wantedNode = nullptr;
    const CatalogueNode* currentNode = nullptr;
    const CatalogueDatabase* wantedDatabase = nullptr;
    const CatalogueDatabase* currentDatabase = nullptr;
};

struct PlanUnit {
    std::vector<PlanStep> steps;
};

struct Plan {
    std::vector<PlanUnit> units;
    // What the plan cannot change, said once per entry.
    std::vector<std::string> notes;
    std::size_t unchanged = 0; // entries of the file already as it wants them
    std::size_t StepCount() const;
};

// The plan that turns `current` into `wanted` (both must outlive it). False
// with `error` naming the field when the file cannot be applied as it is: a
// database at a node that is neither in the file nor catalogued.
bool MakePlan(const Catalogue& current, const Catalogue& wanted, bool prune, Plan& plan, std::string& error);

// "add node DB2SSL: host ssl.example.com, service 50443, ..."
std::string Describe(const PlanStep& step);

// What an execution did: the steps applied, the failed one with DB2's text
// and what was undone of its unit, and the steps not applied.
struct Outcome {
    std::vector<std::string> applied;
    bool failed = false;
    std::string failedStep;
    std::string message;
    std::vector<std::string> undone;
    std::vector<std::string> undoFailures;
    std::vector<std::string> notApplied;
};

// The library calls a step makes: each returns true or false with its
// message, as the exports do.
struct CatalogueCalls {
    std::function<bool(const CatalogueNode&, std::string&)> catalogNode;
    std::function<bool(const std::string&, std::string&)> uncatalogNode;
    std::function<bool(const CatalogueDatabase&, std::string&)> catalogDatabase;
    std::function<bool(const std::string&, std::string&)> uncatalogDatabase;
    // An empty host and port clear the alternate server.
    std::function<bool(const std::string&, const std::string&, const std::string&, std::string&)> setAlternateServer;
};
CatalogueCalls LibraryCalls(rk::host::HostLibrary& library);

// Carries the plan out in order; stops at the first failed step, undoes the
// steps its unit had taken, and leaves the later units alone.
Outcome Execute(const Plan& plan, const CatalogueCalls& calls);

Json PlanJson(const Plan& plan);
Json OutcomeJson(const Outcome& outcome);

} // namespace rkdb2
