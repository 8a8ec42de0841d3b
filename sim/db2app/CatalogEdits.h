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

// sqlecadb_api; the principal (a Kerberos entry's target principal) is
// kept as given.
CallOutcome CatalogDatabase(const char* databaseName, const char* alias, unsigned char entryType, const char* nodeName,
                            const char* path, const char* comment, std::uint16_t authentication, const char* principal);

// sqleuncd_api and sqleuncn_api.
CallOutcome UncatalogDatabase(const char* alias);
CallOutcome UncatalogNode(const char* nodeName);

// db2UpdateAlternateServerForDB: null or empty host and port clear the
// alternate server. With RKDB2_SIM_NODETYPE=client the stand-in is a client
// instance, which DB2 leaves alone with the warning SQL1889W.
CallOutcome SetAlternateServer(const char* alias, const char* hostName, const char* portNumber);

} // namespace rk::sim
