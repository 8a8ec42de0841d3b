#pragma once
// The text form of the store's two files, nodes.txt and databases.txt:
//
//   # a comment line
//   [node DB2SRV1]
//   host = db2.example.com
//   service = 50000
//
//   [database SAMPLE]
//   name = SAMPLE
//
// One block per entry, in directory order; the word after "node" or
// "database" is the node name or the database alias. A value is the text
// after "key = " up to the end of the line, trailing blanks removed; keys
// may come in any order and a missing key leaves its field empty (or 0).
// Lines that are neither comments, block headers nor "key = value" are
// ignored, as are blocks of another kind and unknown keys.

#include <string>
#include <vector>

#include "StoreEntries.h"

namespace rk::sim::store {

std::vector<NodeEntry> ParseNodes(const std::string& text);
std::vector<DatabaseEntry> ParseDatabases(const std::string& text);

// Every key of every entry, in a fixed order; ParseX(FormatX(v)) == v for
// values without line breaks and trailing blanks.
std::string FormatNodes(const std::vector<NodeEntry>& nodes);
std::string FormatDatabases(const std::vector<DatabaseEntry>& databases);

} // namespace rk::sim::store
