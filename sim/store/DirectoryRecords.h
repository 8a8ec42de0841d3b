#pragma once
// The records DB2 hands out for directory entries, built from the store's
// entries (the stand-in's scans and the tests' fake clients both use these): every character field padded with blanks to its width (a longer
// value is cut to it), numbers little-endian, filler bytes zero.

#include <vector>

#include "StoreEntries.h"

namespace rk::sim::store {

// sqleninfo, 590 bytes, of a TCP/IP node.
std::vector<unsigned char> EncodeNodeInfo(const NodeEntry& node);

// sqledinfo (1384 bytes) or, extended, db2DbDirInfo (1654 bytes).
std::vector<unsigned char> EncodeDatabaseInfo(const DatabaseEntry& database, bool extended);

} // namespace rk::sim::store
