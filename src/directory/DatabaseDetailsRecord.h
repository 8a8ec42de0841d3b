#pragma once

class CRkDatabaseEntry;

namespace rk::directory {

// Writes the entry's fifteen texts into the host's DatabaseDetails record
// (RKDB2_DETAILS_SIZE bytes): each slot receives its text and one NUL, and
// nothing behind that NUL is written. A text longer than its slot can hold
// arrives as its first (slot size - 1) bytes. A null record gets nothing.
void WriteDatabaseDetails(const CRkDatabaseEntry& entry, char* record);

} // namespace rk::directory
