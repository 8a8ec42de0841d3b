// rkdb2 show ALIAS: every field of one catalogued database.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "DatabaseListing.h"
#include "db2/Db2Names.h"

namespace {

int Show(rk::host::HostLibrary& library, const std::string& alias)
{
    std::vector<rkdb2::DatabaseFields> databases;
    std::string error;
    if (!rkdb2::ListDatabases(library, databases, error)) {
        std::fprintf(stderr, "rkdb2: cannot list the databases:\n%s\n", error.c_str());
        return rkdb2::kExitFailure;
    }
    for (const auto& database : databases) {
        if (!rk::db2::EqualIgnoringCase(database[rkdb2::kAlias], alias))
            continue;
        for (std::size_t f = 0; f < rkdb2::kDetailsFieldCount; ++f) {
            const std::string label = std::string(rkdb2::DetailsFields()[f].label) + ":";
            if (database[f].empty())
                std::printf("%s\n", label.c_str());
            else
                std::printf("%-16s %s\n", label.c_str(), database[f].c_str());
        }
        return rkdb2::kExitSuccess;
    }
    std::fprintf(stderr, "rkdb2: no database with the alias '%s' is catalogued\n", alias.c_str());
    return rkdb2::kExitFailure;
}

class ShowCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "show"; }
    const char* Summary() const override { return "every field of one catalogued database"; }
    const char* SuccessMeaning() const override { return "the database's fifteen fields are printed"; }
    const char* FailureMeaning() const override { return "no database has the alias, or the listing failed"; }
    void Declare(CLI::App& command) override
    {
        command.add_option("ALIAS", m_alias, "the database's alias (compared without regard to case)")->required();
    }
    int Run(rk::host::HostLibrary& library) override { return Show(library, m_alias); }

private:
    std::string m_alias;
};

const rkdb2::CommandRegistration registration(std::make_unique<ShowCommand>());

} // namespace
