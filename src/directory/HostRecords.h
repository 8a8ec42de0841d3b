#pragma once
// The records of the public header that carry directory entries to hosts:
// RkNodeRecord from a node-info record, RkDatabaseRecord from a listed entry.

#include <cstdint>

#include "rkdb2rova.h"

class CRkDatabaseEntry;

namespace rk::directory {

// The TCP/IP protocol and security of a node-info record: a node listed
// with one of DB2's SSL protocols is its TCP/IP protocol with security SSL.
void ReadNodeTransport(const unsigned char* nodeInfoRecord, std::uint16_t& protocol, std::uint16_t& security);

// Fills every field of `node` after its size from a node-info record
// (sqleninfo): the texts trimmed as the listing trims them, a node listed
// with one of DB2's SSL protocols as its TCP/IP protocol and security SSL.
void ReadNodeRecord(const unsigned char* nodeInfoRecord, RkNodeRecord& node);

// Fills every field of `record` after its size from the entry.
void WriteDatabaseRecord(const CRkDatabaseEntry& entry, RkDatabaseRecord& record);

} // namespace rk::directory
