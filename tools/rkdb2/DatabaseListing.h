#pragma once
// The catalogued databases as rkdb2 reads them: through the list exports and
// GetDatabaseDetails only, each database's fifteen fields as text.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "HostLibrary.h"

namespace rkdb2 {

// One slot of the DatabaseDetails record.
struct DetailsField {
    const char* key;   // the field's name, as in the library's header
    const char* label; // for people
    std::size_t offset;
    std::size_t size;
};

inline constexpr std::size_t kDetailsFieldCount = 15;
const std::array<DetailsField, kDetailsFieldCount>& DetailsFields();

// Indices into DetailsFields(), in the record's order.
#define RKDB2_DETAILS_INDEX(field, Field, offset, label) k##Field,
enum DetailsIndex : std::size_t { RKDB2_DETAILS_FIELDS(RKDB2_DETAILS_INDEX) };
#undef RKDB2_DETAILS_INDEX

using DatabaseFields = std::array<std::string, kDetailsFieldCount>;

// Lists every catalogued database. False with `error` set (DB2's error text,
// or why no list could be made) when the listing failed.
bool ListDatabases(rk::host::HostLibrary& library, std::vector<DatabaseFields>& databases, std::string& error);

// The text of a slot up to its NUL, never reading past the slot.
std::string SlotText(const char* record, const DetailsField& field);

} // namespace rkdb2
