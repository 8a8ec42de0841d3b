#include "boundary/CatalogShells.h"

#include <string>

#include "boundary/TruncatingCopy.h"
#include "catalog/CatalogOperations.h"

namespace rk::boundary {
namespace {

using Operation = bool (*)(const char*, const char*, std::string&, platform::LibraryLoader&);

// Both exports: refuse a buffer that cannot take a message before anything
// else, then run the operation and copy its message with truncation.
int RunWithMessage(Operation operation, const char* first, const char* second, char* message, int messageSize,
                   platform::LibraryLoader& loader)
{
    if (message == nullptr || messageSize < 1)
        return 0;
    std::string text;
    const bool ok = operation(first, second, text, loader);
    TruncatingCopy(text, message, messageSize);
    return ok ? 1 : 0;
}

} // namespace

int CatalogDatabaseShell(const char* hostName, const char* databaseName, char* message, int messageSize,
                         platform::LibraryLoader& loader)
{
    return RunWithMessage(catalog::CatalogDatabase, hostName, databaseName, message, messageSize, loader);
}

int UncatalogDatabaseShell(const char* alias, const char* nodeName, char* message, int messageSize,
                           platform::LibraryLoader& loader)
{
    return RunWithMessage(catalog::UncatalogDatabase, alias, nodeName, message, messageSize, loader);
}

} // namespace rk::boundary
