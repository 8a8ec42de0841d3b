#include "boundary/CatalogShells.h"

#include <string>

#include "boundary/TruncatingCopy.h"
#include "catalog/CatalogOperations.h"

namespace rk::boundary {
namespace {

bool CanTakeAMessage(const char* message, int size) { return message != nullptr && size >= 1; }

} // namespace

int CatalogDatabaseShell(const char* hostName, const char* databaseName, char* message, int messageSize,
                         platform::LibraryLoader& loader)
{
    if (!CanTakeAMessage(message, messageSize))
        return 0;
    std::string text;
    const bool ok = catalog::CatalogDatabase(hostName, databaseName, text, loader);
    TruncatingCopy(text, message, messageSize);
    return ok ? 1 : 0;
}

int UncatalogDatabaseShell(const char* alias, const char* nodeName, char* message, int messageSize,
                           platform::LibraryLoader& loader)
{
    if (!CanTakeAMessage(message, messageSize))
        return 0;
    std::string text;
    const bool ok = catalog::UncatalogDatabase(alias, nodeName, text, loader);
    TruncatingCopy(text, message, messageSize);
    return ok ? 1 : 0;
}

} // namespace rk::boundary
