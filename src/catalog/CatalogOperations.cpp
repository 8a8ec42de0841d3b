#include "catalog/CatalogOperations.h"

#include <cstring>

#include "catalog/CatalogTexts.h"
#include "db2/CRkCatalogApi.h"
#include "db2/Db2Api.h"
#include "db2/Db2Names.h"
#include "rkdb2rova.h"

namespace rk::catalog {
namespace {

static_assert(RKDB2_NODE_NAME_LENGTH == db2::kMaxDirectoryNameLength, "a node name is as long as DB2 takes");
// The host name field holds the name and its terminator.
constexpr std::size_t kMaxHostNameLength = db2::tcpip::kHostName.width - 1;

// Arguments refused before any DB2 library is loaded get a text of our own.
bool IsNull(const char* text, const char* what, std::string& message)
{
    if (text != nullptr)
        return false;
    message = NullArgumentText(what);
    return true;
}

} // namespace

std::string NodeNameOf(const std::string& hostName) { return hostName.substr(0, RKDB2_NODE_NAME_LENGTH); }

bool CatalogDatabase(const char* hostName, const char* databaseName, std::string& message,
                     platform::CRkLibraryLoader& loader)
{
    message.clear();
    if (IsNull(hostName, "host name", message) || IsNull(databaseName, "database name", message))
        return false;
    // Never read further into a host name than the record could hold.
    if (::strnlen(hostName, kMaxHostNameLength + 1) > kMaxHostNameLength) {
        message = HostNameTooLongText(kMaxHostNameLength);
        return false;
    }
    const std::string host(hostName);
    const std::string database(databaseName);
    const std::string node = NodeNameOf(host);

    CRkCatalogApi api(loader);
    const bool ok =
        api.LoadLibraries(message) && api.Steps().CatalogTcpipNode({node, host, RKDB2_NODE_SERVICE, {}}, message) &&
        api.Steps().CatalogRemoteDatabase({database, database, node, {}, rk::db2::kAuthenticationNotSpecified, {}},
                                          message);
    if (ok)
        message.clear();
    return ok;
}

bool UncatalogDatabase(const char* alias, const char* nodeName, std::string& message,
                       platform::CRkLibraryLoader& loader)
{
    message.clear();
    if (IsNull(alias, "database alias", message) || IsNull(nodeName, "node name", message))
        return false;
    const std::string aliasText(alias);
    const std::string node(nodeName);

    CRkCatalogApi api(loader);
    const bool ok = api.LoadLibraries(message) && api.Steps().UncatalogDatabase(aliasText, message) &&
                    api.Steps().UncatalogNode(node, message);
    if (ok)
        message.clear();
    return ok;
}

} // namespace rk::catalog
