#include "DatabaseListing.h"

#include <cstring>

namespace rkdb2 {

const std::array<DetailsField, kDetailsFieldCount>& DetailsFields()
{
    static const std::array<DetailsField, kDetailsFieldCount> fields = {{
        {"alias", "Alias", RKDB2_DETAILS_ALIAS_OFFSET, sizeof(DatabaseDetails::alias)},
        {"databaseName", "Database name", RKDB2_DETAILS_DATABASE_NAME_OFFSET, sizeof(DatabaseDetails::databaseName)},
        {"hostName", "Host name", RKDB2_DETAILS_HOST_NAME_OFFSET, sizeof(DatabaseDetails::hostName)},
        {"serviceName", "Service name", RKDB2_DETAILS_SERVICE_NAME_OFFSET, sizeof(DatabaseDetails::serviceName)},
        {"drivePath", "Drive or path", RKDB2_DETAILS_DRIVE_PATH_OFFSET, sizeof(DatabaseDetails::drivePath)},
        {"internalName", "Internal name", RKDB2_DETAILS_INTERNAL_NAME_OFFSET, sizeof(DatabaseDetails::internalName)},
        {"nodeName", "Node name", RKDB2_DETAILS_NODE_NAME_OFFSET, sizeof(DatabaseDetails::nodeName)},
        {"instanceName", "Instance", RKDB2_DETAILS_INSTANCE_NAME_OFFSET, sizeof(DatabaseDetails::instanceName)},
        {"databaseType", "Database type", RKDB2_DETAILS_DATABASE_TYPE_OFFSET, sizeof(DatabaseDetails::databaseType)},
        {"comment", "Comment", RKDB2_DETAILS_COMMENT_OFFSET, sizeof(DatabaseDetails::comment)},
        {"entryType", "Entry type", RKDB2_DETAILS_ENTRY_TYPE_OFFSET, sizeof(DatabaseDetails::entryType)},
        {"authentication", "Authentication", RKDB2_DETAILS_AUTHENTICATION_OFFSET,
         sizeof(DatabaseDetails::authentication)},
        {"altHostName", "Alternate host", RKDB2_DETAILS_ALT_HOST_NAME_OFFSET, sizeof(DatabaseDetails::altHostName)},
        {"altPortNumber", "Alternate port", RKDB2_DETAILS_ALT_PORT_NUMBER_OFFSET,
         sizeof(DatabaseDetails::altPortNumber)},
        {"platform", "Platform", RKDB2_DETAILS_PLATFORM_OFFSET, sizeof(DatabaseDetails::platform)},
    }};
    return fields;
}

std::string SlotText(const char* record, const DetailsField& field)
{
    const char* slot = record + field.offset;
    const void* nul = std::memchr(slot, '\0', field.size);
    const std::size_t length = nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - slot) : field.size;
    return std::string(slot, length);
}

bool ListDatabases(rk::host::HostLibrary& library, std::vector<DatabaseFields>& databases, std::string& error)
{
    RkDatabaseList* list = library.CRkDatabaseListNew();
    if (list == nullptr) {
        error = "the DB2 client cannot be loaded (db2app.dll or db2sys.dll missing or incomplete)";
        return false;
    }
    RkDatabaseEntry* entry = nullptr;
    if (library.CRkDatabaseListPopulate(list, &entry) != 1) {
        char text[1024] = {};
        library.CRkDatabaseListGetError(list, text, sizeof text);
        error = text;
        return false;
    }
    for (; entry != nullptr; entry = library.CRkDatabaseListNext(list)) {
        // Cleared first: the library writes each slot's text and terminator only.
        char record[RKDB2_DETAILS_SIZE] = {};
        library.GetDatabaseDetails(entry, record);
        DatabaseFields fields;
        for (std::size_t i = 0; i < kDetailsFieldCount; ++i)
            fields[i] = SlotText(record, DetailsFields()[i]);
        databases.push_back(std::move(fields));
    }
    return true;
}

} // namespace rkdb2
