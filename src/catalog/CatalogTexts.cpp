#include "catalog/CatalogTexts.h"

namespace rk::catalog {

std::string NullArgumentText(const char* what)
{
    return std::string("The ") + what + " is a null pointer; nothing was changed.";
}

std::string HostNameTooLongText(std::size_t maxLength)
{
    return "The host name has more than " + std::to_string(maxLength) +
           " characters, more than DB2 can take; nothing was changed.";
}

std::string FailedToLoadText(const std::string& fileName) { return "Failed to load " + fileName; }

const char kCatalogFailedInsideText[] =
    "The catalog operation failed inside the library (out of memory or another unexpected error); the node may "
    "have been catalogued without its database.";
const char kUncatalogFailedInsideText[] =
    "The uncatalog operation failed inside the library (out of memory or another unexpected error); the database "
    "may have been uncatalogued without its node.";

} // namespace rk::catalog
