#include "db2/TcpipNodeRecords.h"

#include <algorithm>
#include <cstring>

namespace rk::db2 {
namespace {

// The field is still zero, so the bytes behind the text terminate it.
void PutText(unsigned char* record, bytes::Field field, const std::string& text)
{
    std::memcpy(record + field.offset, text.data(), std::min(text.size(), field.width - 1));
}

} // namespace

TcpipNodeRecords MakeTcpipNodeRecords(const std::string& nodeName, const std::string& hostName,
                                      const std::string& serviceName)
{
    TcpipNodeRecords records;
    bytes::WriteU16(records.node.data(), nodestruct::kStructIdOffset, nodestruct::kStructId);
    PutText(records.node.data(), nodestruct::kNodeName, nodeName);
    records.node[nodestruct::kProtocolOffset] = nodestruct::kProtocolTcpip;
    PutText(records.protocol.data(), tcpip::kHostName, hostName);
    PutText(records.protocol.data(), tcpip::kServiceName, serviceName);
    return records;
}

} // namespace rk::db2
