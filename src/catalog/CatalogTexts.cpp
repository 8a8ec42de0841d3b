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

std::string FieldLimitText(const char* field, std::size_t minLength, std::size_t maxLength)
{
    return std::string("The ") + field + " must have " + (minLength > 0 ? "1 to " : "at most ") +
           std::to_string(maxLength) + " characters, ended by a NUL within " + std::to_string(maxLength + 1) +
           " bytes; nothing was changed.";
}

std::string FieldValuesText(const char* field, const char* values)
{
    return std::string("The ") + field + " must be " + values + "; nothing was changed.";
}

std::string RecordTooSmallText(const char* record, unsigned size, std::size_t needed)
{
    return std::string("The ") + record + "'s size is " + std::to_string(size) + ", less than the " +
           std::to_string(needed) + " bytes of the record this library reads; nothing was changed.";
}

std::string NotCataloguedFieldText(const char* field)
{
    return std::string("The ") + field +
           " must be empty: DB2's node catalog API (sqlectnd) has no place for it (DB2's command line sets it); "
           "nothing was changed.";
}

std::string AlternateServerInRequestText()
{
    return "The altHostName and altPortNumber must be empty: RkSetAlternateServer sets a database's alternate "
           "server; nothing was changed.";
}

std::string AlternateServerHalfText()
{
    return "The hostName and portNumber go together: both set an alternate server, both empty or null clear it; "
           "nothing was changed.";
}

std::string NoAlternateServerUpdateText(const std::string& fileName)
{
    return fileName + " has no db2UpdateAlternateServerForDB: this DB2 client cannot update alternate servers; "
                      "nothing was changed.";
}

std::string NodeArrayText()
{
    return "The capacity must not be negative, and nodes must point at that many records when it is above 0.";
}

const char kCatalogFailedInsideText[] =
    "The catalog operation failed inside the library (out of memory or another unexpected error); the node may "
    "have been catalogued without its database.";
const char kUncatalogFailedInsideText[] =
    "The uncatalog operation failed inside the library (out of memory or another unexpected error); the database "
    "may have been uncatalogued without its node.";

const char kRequestFailedInsideText[] =
    "The request failed inside the library (out of memory or another unexpected error); its DB2 call may have "
    "been made.";

} // namespace rk::catalog
