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
// Blank lines and comment lines may stand anywhere. Anything else is a
// damaged file, refused as a whole: text before the first block, a line
// without "=", an unknown key, a number that is not one or does not fit its
// field, an entry type of more than one character, a header without its
// closing bracket, with text after it, without a name, or of the other
// file's kind.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "StoreEntries.h"

namespace rk::sim::store {

// The first damaged line of a file: what() is "line N: what is wrong".
class CRkFormatError : public std::runtime_error {
public:
    CRkFormatError(std::size_t line, const std::string& problem);
};

// Throw CRkFormatError for a damaged file.
std::vector<NodeEntry> ParseNodes(const std::string& text);
std::vector<DatabaseEntry> ParseDatabases(const std::string& text);

// Every key of every entry, in a fixed order; ParseX(FormatX(v)) == v for
// values without line breaks and trailing blanks.
std::string FormatNodes(const std::vector<NodeEntry>& nodes);
std::string FormatDatabases(const std::vector<DatabaseEntry>& databases);

} // namespace rk::sim::store
