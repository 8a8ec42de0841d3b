#pragma once

#include <cstdint>
#include <string>

// One node directory entry: where a node is and what runs there. Built from
// a node-info record (sqleninfo); never changed afterwards.
class CRkNodeEntry {
public:
    // Reads the record once and keeps no reference to it. A record that
    // names no instance of its own gets `defaultInstance`, the machine's
    // default instance (DB2INSTDEF) as the node directory load read it.
    CRkNodeEntry(const unsigned char* nodeInfoRecord, const std::string& defaultInstance);

    // The instance name of a z/OS node: its databases are their own instance.
    static const char* const kDatabaseIsInstance;

    std::string nodeName;
    std::string hostName;
    std::string serviceName;
    std::string instanceName;
    std::string platform;
    // DB2's codes (db2/Db2Api.h).
    std::uint16_t protocol = 0;
    std::uint16_t security = 0;
};
