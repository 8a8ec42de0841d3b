// rkdb2 apply FILE [--dry-run] [--prune] [--json]: makes the client's
// catalogue equal the file `export --format json` wrote, and prints the plan
// and what was done.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "CatalogueFile.h"
#include "CataloguePlan.h"
#include "Command.h"
#include "JsonOutput.h"

namespace {

bool ReadFile(const std::string& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

void PrintPlan(const rkdb2::Plan& plan)
{
    for (const auto& unit : plan.units)
        for (const auto& step : unit.steps)
            std::printf("  %s\n", rkdb2::Describe(step).c_str());
    for (const auto& note : plan.notes)
        std::printf("  note: %s\n", note.c_str());
    std::printf("%zu step%s to take, %zu entr%s of the file unchanged.\n", plan.StepCount(),
                plan.StepCount() == 1 ? "" : "s", plan.unchanged, plan.unchanged == 1 ? "y" : "ies");
}

void PrintOutcome(const rkdb2::Outcome& outcome)
{
    for (const auto& step : outcome.applied)
        std::printf("done: %s\n", step.c_str());
    if (!outcome.failed)
        return;
    std::printf("FAILED: %s\n  %s\n", outcome.failedStep.c_str(), outcome.message.c_str());
    for (const auto& step : outcome.undone)
        std::printf("undone: %s\n", step.c_str());
    for (const auto& failure : outcome.undoFailures)
        std::printf("NOT UNDONE: %s\n", failure.c_str());
    for (const auto& step : outcome.notApplied)
        std::printf("not applied: %s\n", step.c_str());
}

class ApplyCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "apply"; }
    const char* Summary() const override { return "makes the catalogue equal a file of export --format json"; }
    const char* SuccessMeaning() const override { return "the plan was applied, or there was nothing to do"; }
    const char* FailureMeaning() const override
    {
        return "a step failed (its entry's earlier steps are undone; entries done before stay done), or the "
               "catalogue cannot be read";
    }
    void Declare(CLI::App& command) override
    {
        command.add_option("FILE", m_file, "what rkdb2 export --format json wrote")->required();
        command.add_flag("--dry-run", m_dryRun, "print the plan and write nothing");
        command.add_flag("--prune", m_prune, "also remove the nodes and remote databases the file does not list");
        command.add_flag("--json", m_json, "the plan and the outcome as one JSON document");
        command.footer("The plan adds what is missing, replaces (uncatalogs and catalogs again) what differs and "
                       "sets alternate servers; entries equal to the file are left alone, so a second run plans "
                       "nothing. Nodes come before their databases, removals last. A file that is not JSON, a "
                       "field of the wrong type, a name DB2 would refuse or a text over its limit is refused "
                       "before anything is written, with the field's path (exit code 2).");
    }
    int Run(rk::host::HostLibrary& library) override
    {
        std::string text;
        if (!ReadFile(m_file, text)) {
            std::fprintf(stderr, "rkdb2: cannot read %s\n", m_file.c_str());
            return rkdb2::kExitUsage;
        }
        rkdb2::Catalogue wanted;
        std::string error;
        if (!rkdb2::ReadCatalogueFile(text, wanted, error)) {
            std::fprintf(stderr, "rkdb2: %s: %s\n", m_file.c_str(), error.c_str());
            return rkdb2::kExitUsage;
        }
        rkdb2::Catalogue current;
        if (!rkdb2::ReadCatalogue(library, current, error)) {
            std::fprintf(stderr, "rkdb2: cannot read the client's catalogue:\n%s\n", error.c_str());
            return rkdb2::kExitFailure;
        }
        rkdb2::Plan plan;
        if (!rkdb2::MakePlan(current, wanted, m_prune, plan, error)) {
            std::fprintf(stderr, "rkdb2: %s: %s\n", m_file.c_str(), error.c_str());
            return rkdb2::kExitUsage;
        }
        rkdb2::Outcome outcome;
        if (!m_dryRun)
            outcome = rkdb2::Execute(plan, rkdb2::LibraryCalls(library));
        if (m_json)
            PrintJson(plan, outcome);
        else
            PrintText(plan, outcome);
        return outcome.failed ? rkdb2::kExitFailure : rkdb2::kExitSuccess;
    }

private:
    void PrintText(const rkdb2::Plan& plan, const rkdb2::Outcome& outcome) const
    {
        if (plan.StepCount() == 0) {
            std::printf("Nothing to do: the catalogue equals %s (%zu entries).\n", m_file.c_str(), plan.unchanged);
            for (const auto& note : plan.notes)
                std::printf("  note: %s\n", note.c_str());
            return;
        }
        std::printf("Plan for %s:\n", m_file.c_str());
        PrintPlan(plan);
        if (m_dryRun)
            std::printf("Dry run: nothing was written.\n");
        else
            PrintOutcome(outcome);
    }

    void PrintJson(const rkdb2::Plan& plan, const rkdb2::Outcome& outcome) const
    {
        const rkdb2::Json document{{"file", rkdb2::JsonText(m_file)},
                                   {"dryRun", m_dryRun},
                                   {"prune", m_prune},
                                   {"plan", rkdb2::PlanJson(plan)},
                                   {"outcome", m_dryRun ? rkdb2::Json(nullptr) : rkdb2::OutcomeJson(outcome)}};
        std::fputs(rkdb2::JsonDocument(document).c_str(), stdout);
    }

    std::string m_file;
    bool m_dryRun = false;
    bool m_prune = false;
    bool m_json = false;
};

const rkdb2::CommandRegistration registration(std::make_unique<ApplyCommand>());

} // namespace
