#include "directory/DatabaseDetailsRecord.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "directory/CRkDatabaseEntry.h"
#include "rkdb2rova.h"

namespace rk::directory {
namespace {

struct Slot {
    std::size_t offset;
    std::size_t size;
    std::string_view (CRkDatabaseEntry::*text)() const;
};

// In ascending order of offset, which is not the order of the entry's fields.
constexpr Slot kSlots[] = {
    {RKDB2_DETAILS_DATABASE_NAME_OFFSET, sizeof(DatabaseDetails::databaseName), &CRkDatabaseEntry::databaseName},
    {RKDB2_DETAILS_HOST_NAME_OFFSET, sizeof(DatabaseDetails::hostName), &CRkDatabaseEntry::hostName},
    {RKDB2_DETAILS_SERVICE_NAME_OFFSET, sizeof(DatabaseDetails::serviceName), &CRkDatabaseEntry::serviceName},
    {RKDB2_DETAILS_INSTANCE_NAME_OFFSET, sizeof(DatabaseDetails::instanceName), &CRkDatabaseEntry::instanceName},
    {RKDB2_DETAILS_ALIAS_OFFSET, sizeof(DatabaseDetails::alias), &CRkDatabaseEntry::alias},
    {RKDB2_DETAILS_DRIVE_PATH_OFFSET, sizeof(DatabaseDetails::drivePath), &CRkDatabaseEntry::drivePath},
    {RKDB2_DETAILS_INTERNAL_NAME_OFFSET, sizeof(DatabaseDetails::internalName), &CRkDatabaseEntry::internalName},
    {RKDB2_DETAILS_NODE_NAME_OFFSET, sizeof(DatabaseDetails::nodeName), &CRkDatabaseEntry::nodeName},
    {RKDB2_DETAILS_DATABASE_TYPE_OFFSET, sizeof(DatabaseDetails::databaseType), &CRkDatabaseEntry::databaseType},
    {RKDB2_DETAILS_COMMENT_OFFSET, sizeof(DatabaseDetails::comment), &CRkDatabaseEntry::comment},
    {RKDB2_DETAILS_ENTRY_TYPE_OFFSET, sizeof(DatabaseDetails::entryType), &CRkDatabaseEntry::entryType},
    {RKDB2_DETAILS_AUTHENTICATION_OFFSET, sizeof(DatabaseDetails::authentication), &CRkDatabaseEntry::authentication},
    {RKDB2_DETAILS_ALT_HOST_NAME_OFFSET, sizeof(DatabaseDetails::altHostName), &CRkDatabaseEntry::altHostName},
    {RKDB2_DETAILS_ALT_PORT_NUMBER_OFFSET, sizeof(DatabaseDetails::altPortNumber), &CRkDatabaseEntry::altPortNumber},
    {RKDB2_DETAILS_PLATFORM_OFFSET, sizeof(DatabaseDetails::platform), &CRkDatabaseEntry::platform},
};
constexpr std::size_t kSlotCount = sizeof kSlots / sizeof kSlots[0];

constexpr bool SlotsTileTheRecord()
{
    std::size_t end = 0;
    for (const Slot& slot : kSlots) {
        if (slot.offset != end)
            return false;
        end = slot.offset + slot.size;
    }
    return end == RKDB2_DETAILS_SIZE;
}
static_assert(kSlotCount == 15, "fifteen slots");
static_assert(SlotsTileTheRecord(), "the slots follow each other without gaps and fill the record");

} // namespace

void WriteDatabaseDetails(const CRkDatabaseEntry& entry, char* record)
{
    if (record == nullptr)
        return;
    for (const Slot& slot : kSlots) {
        const std::string_view text = (entry.*slot.text)();
        const std::size_t length = std::min(text.size(), slot.size - 1);
        std::memcpy(record + slot.offset, text.data(), length);
        record[slot.offset + length] = '\0';
    }
}

} // namespace rk::directory
