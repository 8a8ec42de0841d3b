#include "boundary/CatalogShells.h"

#include <string>

#include "boundary/TruncatingCopy.h"
#include "catalog/CatalogOperations.h"
#include "catalog/CatalogTexts.h"

namespace rk::boundary {
namespace {

using Operation = bool (*)(const char*, const char*, std::string&, platform::CRkLibraryLoader&);

// Both exports: refuse a buffer that cannot take a message before anything
// else, then run the operation and copy its message with truncation. An
// exception from inside gets the operation's fixed text, copied without
// allocating.
int RunWithMessage(Operation operation, const char* failedInsideText, const char* first, const char* second,
                   char* message, int messageSize, platform::CRkLibraryLoader& loader)
{
    if (message == nullptr || messageSize < 1)
        return 0;
    try {
        std::string text;
        const bool ok = operation(first, second, text, loader);
        TruncatingCopy(text, message, messageSize);
        return ok ? 1 : 0;
    } catch (...) {
        TruncatingCopy(failedInsideText, message, messageSize);
        return 0;
    }
}

} // namespace

int CatalogDatabaseShell(const char* hostName, const char* databaseName, char* message, int messageSize,
                         platform::CRkLibraryLoader& loader)
{
    return RunWithMessage(catalog::CatalogDatabase, catalog::kCatalogFailedInsideText, hostName, databaseName, message,
                          messageSize, loader);
}

int UncatalogDatabaseShell(const char* alias, const char* nodeName, char* message, int messageSize,
                           platform::CRkLibraryLoader& loader)
{
    return RunWithMessage(catalog::UncatalogDatabase, catalog::kUncatalogFailedInsideText, alias, nodeName, message,
                          messageSize, loader);
}

} // namespace rk::boundary
