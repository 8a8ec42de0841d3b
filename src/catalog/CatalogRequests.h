#pragma once
// The catalogue requests of version 0.2: a TCP/IP node with every option
// DB2's node catalog API takes, a remote database with its authentication,
// principal and comment, its alternate server, a node or a database alone,
// and the whole node directory. Each validates what the host passed before
// any DB2 call, then makes its one DB2 call (or scan) through the module's
// client, whose directory libraries it loads on first use.
//
// True on success with `message` empty; otherwise false with the text of the
// failure: "Failed to load " and a file name, DB2's error text, or the
// library's own text naming the refused field and its limit.

#include <string>

#include "rkdb2rova.h"

class CRkDb2Client;

namespace rk::catalog {

bool CatalogNode(const RkNodeRecord* node, std::string& message, CRkDb2Client& client);
bool CatalogDatabaseAtNode(const RkDatabaseRecord* database, std::string& message, CRkDb2Client& client);
bool SetAlternateServer(const char* alias, const char* hostName, const char* portNumber, std::string& message,
                        CRkDb2Client& client);
bool UncatalogNode(const char* nodeName, std::string& message, CRkDb2Client& client);
bool UncatalogDatabase(const char* alias, std::string& message, CRkDb2Client& client);

// Reads the node directory: `count` receives the number of nodes, and the
// first `capacity` fill `nodes`, whose first record's size is the stride.
bool ListNodes(RkNodeRecord* nodes, int capacity, int* count, std::string& message, CRkDb2Client& client);

} // namespace rk::catalog
