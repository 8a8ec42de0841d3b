#include "CRkScanTable.h"

#include <limits>
#include <utility>

namespace rk::sim {

std::uint16_t CRkScanTable::Open(ScanKind kind, std::vector<std::vector<unsigned char>> records)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    std::uint32_t handle = 1;
    for (const auto& entry : m_scans) {
        if (entry.first != handle)
            break;
        ++handle;
    }
    if (handle > std::numeric_limits<std::uint16_t>::max())
        return 0;
    const auto key = static_cast<std::uint16_t>(handle);
    m_scans.emplace(key, Scan{kind, std::move(records), 0});
    return key;
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
