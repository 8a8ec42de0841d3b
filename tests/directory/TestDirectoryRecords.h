#pragma once
// DB2 directory records as a DB2 client hands them out, built for tests by
// the stand-in's own encoder: every character array padded with blanks to
// its width.

#include <cstdint>
#include <string>
#include <vector>

#include "db2/Db2Api.h"

namespace rk::test {

using Record = std::vector<unsigned char>;

// Writes `text` into the field, blank-padded; text longer than the field is cut.
void PutText(Record& record, bytes::Field field, const std::string& text);

struct NodeInfo {
    std::string nodeName{};
    std::string hostName{};
    std::string serviceName{};
    std::string instanceName{};
    std::string remoteInstanceName{};
    std::uint16_t osType = 18;
};
Record NodeRecord(const NodeInfo& node);

struct DatabaseInfo {
    std::string alias{};
    std::string databaseName{};
    std::string drive{};
    std::string internalName{};
    std::string nodeName{};
    std::string databaseType{};
    std::string comment{};
    unsigned char entryType = '1';
    std::uint16_t authentication = 255;
    std::int16_t catalogNodeNumber = 0;
    std::string altHostName{};
    std::string altPortNumber{};
};
// The extended (db2DbDirInfo) layout; its first kBasicSize bytes are the
// basic (sqledinfo) record.
Record DatabaseRecord(const DatabaseInfo& database);

} // namespace rk::test
