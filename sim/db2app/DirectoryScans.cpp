#include "DirectoryScans.h"

#include <string>
#include <utility>
#include <vector>

#include "CRkDirectoryStore.h"
#include "DirectoryRecords.h"
#include "SimCodes.h"

namespace rk::sim {
namespace {

using Records = std::vector<std::vector<unsigned char>>;

CallOutcome ParameterNotValid(const char* parameter) { return {kSqlParameterNotValid, {parameter}}; }

// Registers the snapshot and reports it, or the code for an empty one, or
// the directory's code for too many open scans.
CallOutcome Register(ScanKind kind, Records records, std::int32_t emptyCode, std::int32_t exhaustedCode,
                     std::uint16_t* handle, std::uint16_t* count)
{
    if (records.empty())
        return {emptyCode, {}};
    // A count that does not fit 16 bits cannot be reported; such a directory
    // is far beyond anything DB2 keeps.
    const auto size = static_cast<std::uint16_t>(records.size());
    if (size != records.size())
        return {kSqlSystemError, {"directory too large"}};
    const std::uint16_t opened = Scans().Open(kind, std::move(records));
    if (opened == 0)
        return {exhaustedCode, {}};
    *handle = opened;
    *count = size;
    return {};
}

} // namespace

CallOutcome OpenNodeScan(std::uint16_t* handle, std::uint16_t* count)
{
    if (handle == nullptr)
        return ParameterNotValid("handle");
    if (count == nullptr)
        return ParameterNotValid("count");
    *handle = 0;
    *count = 0;
    const auto nodes = store::CRkDirectoryStore::FromEnvironment().ReadNodes();
    if (!nodes)
        return {db2::kSqlNodeDirectoryNotFound, {}};
    Records records;
    for (const auto& node : *nodes)
        records.push_back(store::EncodeNodeInfo(node));
    return Register(ScanKind::kNode, std::move(records), db2::kSqlNodeDirectoryEmpty, db2::kSqlNodeScansExhausted,
                    handle, count);
}

CallOutcome OpenDatabaseScan(ScanKind kind, const char* path, std::uint16_t* handle, std::uint16_t* count)
{
    if (handle == nullptr)
        return ParameterNotValid("handle");
    if (count == nullptr)
        return ParameterNotValid("count");
    *handle = 0;
    *count = 0;
    if (path != nullptr)
        return {db2::kSqlDatabaseDirectoryNotFound, {}};
    const auto databases = store::CRkDirectoryStore::FromEnvironment().ReadDatabases();
    if (!databases)
        return {db2::kSqlDatabaseDirectoryNotFound, {}};
    Records records;
    for (const auto& database : *databases)
        records.push_back(store::EncodeDatabaseInfo(database, kind == ScanKind::kDatabaseExtended));
    return Register(kind, std::move(records), db2::kSqlSystemDirectoryEmpty, db2::kSqlDatabaseScansExhausted, handle,
                    count);
}

CallOutcome FetchNextEntry(ScanKind kind, std::uint16_t handle, unsigned char** record)
{
    if (record == nullptr)
        return ParameterNotValid("record");
    switch (Scans().Fetch(kind, handle, record)) {
    case CRkScanTable::FetchResult::kRecord: return {};
    case CRkScanTable::FetchResult::kNoMoreEntries: return {db2::kSqlNoMoreEntries, {}};
    case CRkScanTable::FetchResult::kUnknownHandle: break;
    }
    return ParameterNotValid("handle");
}

CallOutcome CloseScan(ScanKind kind, std::uint16_t handle)
{
    return Scans().Close(kind, handle) ? CallOutcome{} : ParameterNotValid("handle");
}

} // namespace rk::sim
