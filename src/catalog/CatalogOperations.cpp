#include "catalog/CatalogOperations.h"

#include "db2/CRkCatalogApi.h"

namespace rk::catalog {
namespace {

// The DB2 steps of both operations are not built yet: a client that loads
// gets this answer.
constexpr const char* kNotAvailable = "not available yet";

} // namespace

bool CatalogDatabase(const std::string& /*hostName*/, const std::string& /*databaseName*/, std::string& message,
                     platform::LibraryLoader& loader)
{
    CRkCatalogApi api(loader);
    if (!api.LoadLibraries(message))
        return false;
    message = kNotAvailable;
    return false;
}

bool UncatalogDatabase(const std::string& /*alias*/, const std::string& /*nodeName*/, std::string& message,
                       platform::LibraryLoader& loader)
{
    CRkCatalogApi api(loader);
    if (!api.LoadLibraries(message))
        return false;
    message = kNotAvailable;
    return false;
}

} // namespace rk::catalog
