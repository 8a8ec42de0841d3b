#pragma once
// What rkdb2 doctor finds wrong with a client and its catalogue: each
// finding has a severity, one sentence and the commands that mend it.

#include <string>
#include <vector>

#include "Catalogue.h"
#include "ClientFiles.h"
#include "ClientStatus.h"
#include "DataSourceListing.h"

namespace rkdb2 {

enum class Severity {
    kError,   // connections fail because of it
    kWarning, // connections may reach what nobody meant
    kNote,    // worth knowing; nothing fails
};

struct Finding {
    Severity severity = Severity::kNote;
    std::string kind;              // "orphan-database", "unused-node", ...
    std::string subject;           // the entry or file it is about
    std::string text;              // one sentence
    std::vector<std::string> mend; // commands or steps, in order; empty for a note nothing mends
};

const char* SeverityText(Severity severity);

// The client's files: this bitness's three that do not load, and the other
// bitness's where they are what is installed instead; the faults of the
// configuration files.
std::vector<Finding> FindClientProblems(const ClientStatus& status, const std::vector<OtherBitnessFile>& other,
                                        const DataSourceListing& sources);

// The catalogue: databases whose node is gone, nodes no database uses, two
// nodes for one host and port, an alias several sources define with
// different targets, names at DB2's limits.
std::vector<Finding> FindCatalogueProblems(const Catalogue& catalogue, const DataSourceListing& sources);

} // namespace rkdb2
