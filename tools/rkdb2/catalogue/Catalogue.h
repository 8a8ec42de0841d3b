#pragma once
// A DB2 client's catalogue as rkdb2 exports and applies it: every TCP/IP node
// of the node directory and every remote database entry, with all the
// options the library carries, and the entries left out with the reason.

#include <cstdint>
#include <string>
#include <vector>

#include "HostLibrary.h"

namespace rkdb2 {

struct CatalogueNode {
    std::string name;
    std::string host;
    std::string service;
    std::uint16_t protocol = RKDB2_PROTOCOL_TCPIP;
    std::uint16_t security = RKDB2_SECURITY_NONE;
    std::string comment;
    // Read from the directory; DB2's node catalog API cannot set them.
    std::string remoteInstance;
    std::string systemName;
    std::uint16_t osType = 0;
};

struct CatalogueDatabase {
    std::string database;
    std::string alias;
    std::string node;
    std::uint16_t authentication = RKDB2_AUTHENTICATION_NOT_SPECIFIED;
    std::string principal;
    std::string comment;
    std::string altHost;
    std::string altPort;
};

struct LeftOutEntry {
    std::string alias;
    std::string reason;
};

struct Catalogue {
    std::vector<CatalogueNode> nodes;
    std::vector<CatalogueDatabase> databases;
    std::vector<LeftOutEntry> leftOut;
    // The remote databases among them whose node is not catalogued.
    std::vector<CatalogueDatabase> orphans;
    // The data sources of db2cli.ini and db2dsdriver.cfg, exported for
    // people and scripts; apply leaves the files alone.
    std::vector<RkDataSourceRecord> fileSources;
};

// The client's catalogue through the library's exports: the node directory
// (RkListNodes), then the database list with each entry's record
// (RkGetDatabaseRecord). Local databases, entries of other kinds and
// databases whose node is not catalogued are left out, with the reason;
// then the data sources of the two configuration files.
// False with `error` (DB2's text, or why no listing could be made).
bool ReadCatalogue(rk::host::HostLibrary& library, Catalogue& catalogue, std::string& error);

// The library's record of a node or database, and back.
RkNodeRecord NodeRecordOf(const CatalogueNode& node);
RkDatabaseRecord DatabaseRecordOf(const CatalogueDatabase& database);
CatalogueNode NodeOf(const RkNodeRecord& record);

} // namespace rkdb2
