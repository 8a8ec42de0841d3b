#pragma once
// The catalog entry points of db2app.dll: add and remove node directory and
// system database directory entries in the store, with DB2's checks and
// SQLCODEs.
//
// Names (node names, database names, aliases) follow DB2's rules of
// db2/Db2Names.h. Whether DB2's API folds them to upper case was not
// verified; the stand-in keeps them as given and compares them without
// regard to case, so "sample" finds "SAMPLE" but is listed as "sample".

#include <cstdint>

#include "CallOutcome.h"

namespace rk::sim {

// sqlectnd_api: `node` is a 46-byte sqle_node_struct, `protocol` the
// 271-byte sqle_node_tcpip record.
CallOutcome CatalogNode(const unsigned char* node, const unsigned char* protocol);

// sqlecadb_api. The DCE principal is accepted and not kept.
CallOutcome CatalogDatabase(const char* databaseName, const char* alias, unsigned char entryType, const char* nodeName,
                            const char* path, const char* comment, std::uint16_t authentication);

// sqleuncd_api and sqleuncn_api.
CallOutcome UncatalogDatabase(const char* alias);
CallOutcome UncatalogNode(const char* nodeName);

} // namespace rk::sim
