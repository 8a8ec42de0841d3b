#pragma once
// Which DB2 client this process uses, as status and doctor report it: the
// library's own path, version and bitness; for each of the client's three
// libraries whether it loads, the file the system loaded and its version;
// the default instance as the library reads it, DB2INSTANCE; the client's
// kind and the configuration files (db2cli.ini, db2dsdriver.cfg) it reads.

#include <string>
#include <vector>

#include "ClientFiles.h"
#include "DefaultInstance.h"
#include "HostLibrary.h"
#include "JsonOutput.h"

namespace rkdb2 {

struct ClientStatus {
    ProductLibraryStatus library;
    std::vector<ClientFileStatus> client;
    DefaultInstance defaultInstance;
    std::string db2Instance; // DB2INSTANCE, empty when unset
    bool sourcesRead = false;
    RkDataSourceFiles files{};
};

ClientStatus GatherClientStatus(rk::host::HostLibrary& library);
bool AllClientFilesUsable(const ClientStatus& status);
void PrintClientStatusText(const ClientStatus& status);
Json ClientStatusJson(const ClientStatus& status);

} // namespace rkdb2
