#pragma once

#include <memory>
#include <string>
#include <vector>

class CRkNodeList;

// The two layouts of a database directory record: the basic sqledinfo of the
// older directory interface, and db2DbDirInfo of the newer one, which adds
// the alternate server behind the basic fields.
enum class DirectoryRecordLayout { Basic, Extended };

// One catalogued database, completed with the host, service, instance and
// platform of its node. Never changed after construction.
class CRkDatabaseEntry {
public:
    // Reads the record once and keeps no reference to it; joins the entry
    // with its node in `nodes` and keeps copies of the node's texts.
    CRkDatabaseEntry(const unsigned char* record, DirectoryRecordLayout layout, const CRkNodeList& nodes);

    std::string alias;
    std::string databaseName;
    std::string hostName;
    std::string serviceName;
    std::string drivePath;
    std::string internalName;
    std::string nodeName;
    std::string instanceName;
    std::string databaseType;
    std::string comment;
    std::string entryType;
    std::string authentication;
    std::string altHostName;
    std::string altPortNumber;
    std::string platform;

private:
    void JoinNode(const CRkNodeList& nodes);
};

// The entries of a list handle, in the order the scans appended them.
using CRkDatabaseEntries = std::vector<std::unique_ptr<const CRkDatabaseEntry>>;
