#include "CRkScanTable.h"

#include <algorithm>
#include <utility>

namespace rk::sim {
namespace {

bool SameDirectory(ScanKind left, ScanKind right) { return (left == ScanKind::kNode) == (right == ScanKind::kNode); }

} // namespace

std::uint16_t CRkScanTable::Open(ScanKind kind, std::vector<std::vector<unsigned char>> records)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto open = std::count_if(m_scans.begin(), m_scans.end(),
                                    [kind](const auto& entry) { return SameDirectory(entry.second.kind, kind); });
    if (static_cast<std::size_t>(open) >= kMaxOpenScansPerDirectory)
        return 0;
    // At most 16 scans are open, so a free handle is always found.
    std::uint16_t handle = 1;
    for (const auto& entry : m_scans) {
        if (entry.first != handle)
            break;
        ++handle;
    }
    m_scans.emplace(handle, Scan{kind, std::move(records), 0});
    return handle;
}

CRkScanTable::FetchResult CRkScanTable::Fetch(ScanKind kind, std::uint16_t handle, unsigned char** record)
{
    if (record != nullptr)
        *record = nullptr;
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_scans.find(handle);
    if (it == m_scans.end() || it->second.kind != kind)
        return FetchResult::kUnknownHandle;
    Scan& scan = it->second;
    if (scan.next > 0)
        std::vector<unsigned char>().swap(scan.records[scan.next - 1]);
    if (scan.next >= scan.records.size())
        return FetchResult::kNoMoreEntries;
    if (record != nullptr)
        *record = scan.records[scan.next].data();
    ++scan.next;
    return FetchResult::kRecord;
}

bool CRkScanTable::Close(ScanKind kind, std::uint16_t handle)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_scans.find(handle);
    if (it == m_scans.end() || it->second.kind != kind)
        return false;
    m_scans.erase(it);
    return true;
}

CRkScanTable& Scans()
{
    static CRkScanTable table;
    return table;
}

} // namespace rk::sim
