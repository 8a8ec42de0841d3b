#include "DatabaseListing.h"

#include "db2/ByteLayout.h"
#include "db2/Db2Files.h"

namespace rkdb2 {

const std::array<DetailsField, kDetailsFieldCount>& DetailsFields()
{
#define RKDB2_DETAILS_FIELD(field, Field, offset, label) {#field, label, offset, sizeof(DatabaseDetails::field)},
    static const std::array<DetailsField, kDetailsFieldCount> fields = {{RKDB2_DETAILS_FIELDS(RKDB2_DETAILS_FIELD)}};
#undef RKDB2_DETAILS_FIELD
    return fields;
}

std::string SlotText(const char* record, const DetailsField& field)
{
    return std::string(rk::bytes::TextUpToNul(record + field.offset, field.size));
}

bool ListDatabases(rk::host::HostLibrary& library, std::vector<DatabaseFields>& databases, std::string& error)
{
    RkDatabaseList* list = library.CRkDatabaseListNew();
    if (list == nullptr) {
        error = "the DB2 client cannot be loaded (" RK_DB2APP_FILE " or " RK_DB2SYS_FILE " missing or incomplete)";
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
