#include "directory/DatabaseDirectoryScan.h"

#include <algorithm>

#include "db2/CRkDb2AppLib.h"
#include "directory/CRkNodeList.h"
#include "directory/DirectoryScan.h"

namespace rk::directory {
namespace {

using db2::Sqlca;

// Room for `count` more entries before the fetches, growing geometrically:
// a handle repopulated many times must not copy its entries every time.
void MakeRoom(CRkDatabaseEntries& entries, std::size_t count)
{
    const std::size_t needed = entries.size() + count;
    if (needed > entries.capacity())
        entries.reserve(std::max(needed, 2 * entries.capacity()));
}

bool ScanNewerRoute(const CRkDb2AppLib& appLib, const CRkNodeList& nodes, Sqlca& ca, CRkDatabaseEntries& entries)
{
    db2::DbDirOpenScanParams open{};
    open.piPath = nullptr; // the system database directory
    appLib.db2DbDirOpenScan(db2::kDbDirVersion, &open, &ca);
    const std::int32_t openCode = db2::Sqlcode(ca);
    if (openCode == db2::kSqlDatabaseDirectoryNotFound || openCode == db2::kSqlSystemDirectoryEmpty)
        return true;
    if (openCode != 0)
        return false;

    const std::uint16_t handle = open.oHandle;
    MakeRoom(entries, open.oNumEntries);
    return FetchAllAndClose(
        ca, open.oNumEntries,
        [&](Sqlca& fetchCa) {
            db2::DbDirNextEntryParams next{};
            next.iHandle = handle;
            appLib.db2DbDirGetNextEntry(db2::kDbDirVersion, &next, &fetchCa);
            return static_cast<const unsigned char*>(next.poDbDirEntry);
        },
        [&](const unsigned char* record) {
            entries.push_back(CRkDatabaseEntry::Read(record, DirectoryRecordLayout::kExtended, nodes));
        },
        [&](Sqlca& closeCa) {
            db2::DbDirCloseScanParams close{};
            close.iHandle = handle;
            appLib.db2DbDirCloseScan(db2::kDbDirVersion, &close, &closeCa);
        });
}

// An older client that reports an empty directory with the warning 1057
// fails here on purpose: the host is shown that warning's text.
bool ScanOlderRoute(const CRkDb2AppLib& appLib, const CRkNodeList& nodes, Sqlca& ca, CRkDatabaseEntries& entries)
{
    unsigned short handle = 0;
    unsigned short count = 0;
    appLib.sqledosd_api(nullptr, &handle, &count, &ca);
    const std::int32_t openCode = db2::Sqlcode(ca);
    if (openCode == db2::kSqlDatabaseDirectoryNotFound)
        return true;
    if (openCode != 0)
        return false;

    MakeRoom(entries, count);
    return FetchAllAndClose(
        ca, count,
        [&](Sqlca& fetchCa) {
            unsigned char* record = nullptr;
            appLib.sqledgne_api(handle, &record, &fetchCa);
            return static_cast<const unsigned char*>(record);
        },
        [&](const unsigned char* record) {
            entries.push_back(CRkDatabaseEntry::Read(record, DirectoryRecordLayout::kBasic, nodes));
        },
        [&](Sqlca& closeCa) { appLib.sqledcls_api(handle, &closeCa); });
}

} // namespace

DatabaseDirectoryRoute ChooseRoute(const CRkDb2AppLib& appLib)
{
    const bool complete = appLib.db2DbDirOpenScan != nullptr && appLib.db2DbDirGetNextEntry != nullptr &&
                          appLib.db2DbDirCloseScan != nullptr;
    return complete ? DatabaseDirectoryRoute::kNewer : DatabaseDirectoryRoute::kOlder;
}

bool ScanDatabaseDirectory(const CRkDb2AppLib& appLib, const CRkNodeList& nodes, Sqlca& ca, CRkDatabaseEntries& entries)
{
    if (ChooseRoute(appLib) == DatabaseDirectoryRoute::kNewer)
        return ScanNewerRoute(appLib, nodes, ca, entries);
    return ScanOlderRoute(appLib, nodes, ca, entries);
}

} // namespace rk::directory
