// rkdb2 show ALIAS: every field of one catalogued database.

#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DatabaseListing.h"
#include "db2/Db2Names.h"

namespace {

int RunShow(rk::host::HostLibrary& library, const rkdb2::Arguments& args)
{
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: rkdb2 show ALIAS\n");
        return 2;
    }
    std::vector<rkdb2::DatabaseFields> databases;
    std::string error;
    if (!rkdb2::ListDatabases(library, databases, error)) {
        std::fprintf(stderr, "rkdb2: cannot list the databases:\n%s\n", error.c_str());
        return 1;
    }
    for (const auto& database : databases) {
        if (!rk::db2::EqualIgnoringCase(database[rkdb2::kAlias], args[0]))
            continue;
        for (std::size_t f = 0; f < rkdb2::kDetailsFieldCount; ++f) {
            const std::string label = std::string(rkdb2::DetailsFields()[f].label) + ":";
            if (database[f].empty())
                std::printf("%s\n", label.c_str());
            else
                std::printf("%-16s %s\n", label.c_str(), database[f].c_str());
        }
        return 0;
    }
    std::fprintf(stderr, "rkdb2: no database with the alias '%s' is catalogued\n", args[0].c_str());
    return 1;
}

const rkdb2::CommandRegistration registration({"show", "ALIAS", "every field of one catalogued database", RunShow});

} // namespace
