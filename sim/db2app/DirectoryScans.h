#pragma once
// The directory scans of db2app.dll: open a scan over a snapshot of the
// store's node directory or system database directory, fetch its records
// one by one, close it.

#include <cstdint>

#include "CRkScanTable.h"
#include "CallOutcome.h"

namespace rk::sim {

// 0 with a handle and the entry count; 1037 (empty), -1027 (no nodes.txt)
// or -1095 (eight node scans open already) with neither.
CallOutcome OpenNodeScan(std::uint16_t* handle, std::uint16_t* count);

// `path` null: the system database directory; 0 with handle and count, 1057
// (empty), -1031 (no databases.txt) or -1056 (eight database scans open
// already, on either route) with neither. The stand-in keeps no
// local database directories: any path gives -1031.
CallOutcome OpenDatabaseScan(ScanKind kind, const char* path, std::uint16_t* handle, std::uint16_t* count);

// 0 and the next record, 1014 past the last one, -2032 for a handle that
// no open scan of this kind has.
CallOutcome FetchNextEntry(ScanKind kind, std::uint16_t handle, unsigned char** record);

CallOutcome CloseScan(ScanKind kind, std::uint16_t handle);

} // namespace rk::sim
