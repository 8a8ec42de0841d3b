#pragma once
// The two records sqlectnd_api takes to catalog a TCP/IP node: the
// sqle_node_struct (46 bytes) and the sqle_node_tcpip record (271 bytes),
// written by offset into zeroed bytes.

#include <array>
#include <string>

#include "db2/Db2Api.h"

namespace rk::db2 {

// A TCP/IP node as sqlectnd_api takes it: `protocol` is DB2's protocol byte
// (TCP/IP, TCP/IPv4, TCP/IPv6, or their SSL protocols).
struct TcpipNodeSpec {
    std::string nodeName;
    std::string hostName;
    std::string serviceName;
    std::string comment;
    unsigned char protocol = protocol::kTcpip;
};

struct TcpipNodeRecords {
    std::array<unsigned char, nodestruct::kSize> node{};
    std::array<unsigned char, tcpip::kSize> protocol{};
};

// Structure id 0x0200, code page 0, the comment, the node name and the
// protocol; then the host name and the service name. Each text goes into
// its field zero-terminated; one too long for its field is cut so that the
// terminator still fits (callers refuse such texts before this point).
TcpipNodeRecords MakeTcpipNodeRecords(const TcpipNodeSpec& node);

} // namespace rk::db2
