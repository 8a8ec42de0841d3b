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

TcpipNodeRecords MakeTcpipNodeRecords(const TcpipNodeSpec& node)
{
    TcpipNodeRecords records;
    bytes::WriteU16(records.node.data(), nodestruct::kStructIdOffset, nodestruct::kStructId);
    PutText(records.node.data(), nodestruct::kComment, node.comment);
    PutText(records.node.data(), nodestruct::kNodeName, node.nodeName);
    records.node[nodestruct::kProtocolOffset] = node.protocol;
    PutText(records.protocol.data(), tcpip::kHostName, node.hostName);
    PutText(records.protocol.data(), tcpip::kServiceName, node.serviceName);
    return records;
}

} // namespace rk::db2
