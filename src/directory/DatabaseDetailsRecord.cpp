#include "directory/DatabaseDetailsRecord.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "directory/CRkDatabaseEntry.h"
#include "rkdb2rova.h"

namespace rk::directory {
namespace {

// A field's place in the record; the entry's texts come in the same order.
struct Slot {
    std::size_t offset;
    std::size_t size;
};

#define RK_DETAILS_SLOT(field, Field, offset, label) {offset, sizeof(DatabaseDetails::field)},
constexpr Slot kSlots[] = {RKDB2_DETAILS_FIELDS(RK_DETAILS_SLOT)};
#undef RK_DETAILS_SLOT
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
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const Slot& slot = kSlots[i];
        const std::string_view text = entry.TextAt(i);
        const std::size_t length = std::min(text.size(), slot.size - 1);
        std::memcpy(record + slot.offset, text.data(), length);
        record[slot.offset + length] = '\0';
    }
}

} // namespace rk::directory
