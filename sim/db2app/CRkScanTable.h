#pragma once
// The open directory scans of the process. Opening takes a snapshot of the
// directory as finished records; the scan owns it until it is closed, and
// the table releases whatever is still open when the library is unloaded.
// A fetched record stays valid until the next fetch of its scan or the
// close: the fetch releases the record handed out before it, so a caller
// that keeps a record too long reads freed memory (which the sanitizer
// builds report) instead of silently reading stale data.

#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

namespace rk::sim {

// Which entry points a scan belongs to: the node directory scan, the older
// database directory scan (sqledinfo) or the newer one (db2DbDirInfo).
enum class ScanKind { kNode, kDatabase, kDatabaseExtended };

// As DB2, a process has at most eight scans of each directory open at once;
// the two database directory routes share the system database directory's.
inline constexpr std::size_t kMaxOpenScansPerDirectory = 8;

class CRkScanTable {
public:
    enum class FetchResult { kRecord, kNoMoreEntries, kUnknownHandle };

    // Registers a scan over `records`; returns its handle, the smallest
    // unused number from 1, or 0 when the directory of `kind` has
    // kMaxOpenScansPerDirectory scans open already.
    std::uint16_t Open(ScanKind kind, std::vector<std::vector<unsigned char>> records);

    // Hands out the scan's next record in *record (null when there is none).
    FetchResult Fetch(ScanKind kind, std::uint16_t handle, unsigned char** record);

    // False when no open scan of that kind has the handle.
    bool Close(ScanKind kind, std::uint16_t handle);

private:
    struct Scan {
        ScanKind kind;
        std::vector<std::vector<unsigned char>> records;
        std::size_t next = 0;
    };

    std::mutex m_mutex;
    std::map<std::uint16_t, Scan> m_scans;
};

// The library's one table.
CRkScanTable& Scans();

} // namespace rk::sim
