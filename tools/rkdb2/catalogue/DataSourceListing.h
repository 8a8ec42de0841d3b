#pragma once
// The client's data sources as rkdb2 reads them: through the library's
// data-source list, every record in the client's order, the faults of the
// files, the client kind and the files read.

#include <string>
#include <vector>

#include "HostLibrary.h"
#include "JsonOutput.h"

namespace rkdb2 {

struct DataSourceListing {
    std::vector<RkDataSourceRecord> sources;
    std::vector<std::string> problems; // one per line of the library's text
    RkDataSourceFiles files{};
};

// False with `error` (DB2's text) when the directory could not be read.
bool ListDataSources(rk::host::HostLibrary& library, DataSourceListing& listing, std::string& error);

// "directory", "db2cli.ini", "db2dsdriver.cfg".
const char* SourceText(unsigned short source);
// "full client (directory, then db2cli.ini, then db2dsdriver.cfg)", ...
std::string ClientKindText(unsigned short kind);
// "db2cli.ini:12", or "" for the directory.
std::string PlaceText(const RkDataSourceRecord& record);

// One source as JSON: alias, database, host, port, security, authentication,
// source, file, line, shadowed.
Json DataSourceJson(const RkDataSourceRecord& record);

} // namespace rkdb2
