#pragma once

#include <string>

// One catalogued database, joined with its node. Immutable once built.
class CRkDatabaseEntry {
public:
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
};
