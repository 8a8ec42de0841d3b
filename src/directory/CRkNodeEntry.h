#pragma once

#include <string>

// One node directory entry: where a node is and what runs there. Built from
// a node-info record (sqleninfo); never changed afterwards.
class CRkNodeEntry {
public:
    // Reads the record once and keeps no reference to it. The default
    // instance (DB2INSTDEF) is read at this moment when the record names no
    // instance of its own.
    explicit CRkNodeEntry(const unsigned char* nodeInfoRecord);

    // The instance name of a z/OS node: its databases are their own instance.
    static const char* const kDatabaseIsInstance;

    std::string nodeName;
    std::string hostName;
    std::string serviceName;
    std::string instanceName;
    std::string platform;
};
