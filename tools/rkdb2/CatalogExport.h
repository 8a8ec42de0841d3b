#pragma once
// The catalogue's remote entries as DB2's command line recreates them on
// another machine: the TCP/IP nodes the remote databases are catalogued at,
// then the databases, and the entries left out with the reason.

#include <string>
#include <vector>

#include "DatabaseListing.h"
#include "JsonOutput.h"

namespace rkdb2 {

struct ExportedNode {
    std::string name;
    std::string host;
    std::string service;
    std::string remoteInstance;     // empty: left out
    std::string osType;             // OSTYPE keyword; empty: left out
    std::vector<std::string> notes; // what the listing cannot tell about the node
};

struct ExportedDatabase {
    std::string database;
    std::string alias;
    std::string node;
    std::string authentication; // AUTHENTICATION keyword; empty: not specified
    std::string comment;
    std::string altHost;
    std::string altPort;
};

struct LeftOutEntry {
    std::string alias;
    std::string reason;
};

struct CatalogExport {
    std::vector<ExportedNode> nodes;
    std::vector<ExportedDatabase> databases;
    std::vector<LeftOutEntry> leftOut;
};

// The entries of a listing. `defaultInstance` is the one the library shows
// for a node that names no instance of its own.
CatalogExport ExportCatalog(const std::vector<DatabaseFields>& listing, const std::string& defaultInstance);

// The entries as a script for `db2 -tvf`. False, with `error` naming the
// entry and why, when a text cannot be written so that the command line
// reads it back unchanged.
bool ClpScript(const CatalogExport& catalog, std::string& script, std::string& error);

Json CatalogJson(const CatalogExport& catalog);

} // namespace rkdb2
