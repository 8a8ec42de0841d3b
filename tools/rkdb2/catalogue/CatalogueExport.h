#pragma once
// A catalogue written out: as a script for DB2's command line that
// recreates it on another client (db2 -tvf), or as the JSON document that
// `rkdb2 apply` reads back.

#include <string>

#include "Catalogue.h"
#include "JsonOutput.h"

namespace rkdb2 {

// The script: every node, then every database and its alternate server,
// the entries left out as comments. False, with `error` naming the entry and
// why, when a text cannot be written so that the command line reads it back
// unchanged.
bool ClpScript(const Catalogue& catalogue, std::string& script, std::string& error);

// The document: {"nodes": [...], "databases": [...], "leftOut": [...],
// "dataSources": [...]}; apply reads the first two.
Json CatalogueJson(const Catalogue& catalogue);

} // namespace rkdb2
