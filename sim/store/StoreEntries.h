#pragma once
// One node directory entry and one system database directory entry as the
// stand-in client keeps them: texts of any length (the scans cut them to
// DB2's field widths) and DB2's codes.

#include <cstdint>
#include <string>

namespace rk::sim::store {

struct NodeEntry {
    std::string nodeName;
    std::string hostName;
    std::string serviceName;
    std::string instanceName;
    std::string remoteInstanceName;
    std::string comment;
    std::uint16_t osType = 0;
    // TCP/IP, TCP/IPv4 or TCP/IPv6 (db2/Db2Api.h), and SSL or none.
    std::uint8_t protocol = 3;
    std::uint16_t security = 0;
    std::string systemName{};
};

struct DatabaseEntry {
    std::string alias;
    std::string databaseName;
    std::string drivePath;
    std::string internalName;
    std::string nodeName;
    std::string databaseType;
    std::string comment;
    unsigned char entryType = 0; // DB2's character digit, '0' indirect, '1' remote, ...
    std::uint16_t authentication = 0;
    std::int16_t catalogNodeNumber = 0;
    std::string altHostName;
    std::string altPortNumber;
    std::string principal{}; // the target principal of a Kerberos entry
};

bool operator==(const NodeEntry& left, const NodeEntry& right);
bool operator==(const DatabaseEntry& left, const DatabaseEntry& right);

} // namespace rk::sim::store
