#include "FakeDirectoryClient.h"

#include <optional>

namespace rk::test {
namespace {

using db2::Sqlca;

FakeDirectoryClient g_fake;

// Counts and logs the call, and fills the sqlca as DB2 does: zeroed, then
// the SQLCODE. Returns true when an injected failure replaced the call.
bool Enter(const char* exportName, const std::string& arguments, Sqlca* ca, std::int32_t sqlcode)
{
    const int n = ++g_fake.callCounts[exportName];
    g_fake.calls.push_back(std::string(exportName) + (arguments.empty() ? "" : " " + arguments));
    const std::optional<int> fault = g_fake.faults.Match(exportName, n);
    if (fault)
        g_fake.calls.push_back(sim::FaultLogLine(exportName, n, *fault));
    *ca = Sqlca{};
    db2::SetSqlcode(*ca, fault.value_or(sqlcode));
    return fault.has_value();
}

std::string Handle(unsigned short handle) { return "handle=" + std::to_string(handle); }
std::string Version(std::uint32_t version) { return "version=" + std::to_string(version); }

// The next record of `records` into the reused fetch memory, or null.
unsigned char* Fetch(const std::vector<Record>& records, std::size_t& next, std::size_t size)
{
    if (next >= records.size())
        return nullptr;
    g_fake.fetched.assign(records[next].begin(), records[next].begin() + static_cast<std::ptrdiff_t>(size));
    ++next;
    return g_fake.fetched.data();
}

std::uint16_t Count(std::size_t size) { return static_cast<std::uint16_t>(size); }

int RK_DB2_CALL sqlenops(unsigned short* handle, unsigned short* count, Sqlca* ca)
{
    if (Enter("sqlenops_api@12", "", ca, g_fake.nodeOpenCode) || g_fake.nodeOpenCode != 0)
        return 0;
    *handle = kFakeNodeScanHandle;
    *count = Count(g_fake.nodes.size());
    g_fake.nextNode = 0;
    return 0;
}

int RK_DB2_CALL sqlengne(unsigned short handle, unsigned char** record, Sqlca* ca)
{
    if (Enter("sqlengne_api@12", Handle(handle), ca, 0))
        return 0;
    *record = Fetch(g_fake.nodes, g_fake.nextNode, db2::nodeinfo::kSize);
    return 0;
}

int RK_DB2_CALL sqlencls(unsigned short handle, Sqlca* ca)
{
    Enter("sqlencls_api@8", Handle(handle), ca, g_fake.closeCode);
    return 0;
}

int RK_DB2_CALL dbDirOpenScan(std::uint32_t version, void* params, Sqlca* ca)
{
    auto* open = static_cast<db2::DbDirOpenScanParams*>(params);
    const std::string path = open->piPath == nullptr ? "path=null" : "path=" + std::string(open->piPath);
    if (Enter("db2DbDirOpenScan@12", Version(version) + " " + path, ca, g_fake.databaseOpenCode) ||
        g_fake.databaseOpenCode != 0)
        return 0;
    open->oHandle = kFakeDatabaseScanHandle;
    open->oNumEntries = Count(g_fake.databases.size());
    g_fake.nextDatabase = 0;
    return 0;
}

int RK_DB2_CALL dbDirGetNextEntry(std::uint32_t version, void* params, Sqlca* ca)
{
    auto* next = static_cast<db2::DbDirNextEntryParams*>(params);
    if (Enter("db2DbDirGetNextEntry@12", Version(version) + " " + Handle(next->iHandle), ca, 0))
        return 0;
    next->poDbDirEntry = Fetch(g_fake.databases, g_fake.nextDatabase, db2::dbinfo::kExtendedSize);
    return 0;
}

int RK_DB2_CALL dbDirCloseScan(std::uint32_t version, void* params, Sqlca* ca)
{
    auto* close = static_cast<db2::DbDirCloseScanParams*>(params);
    Enter("db2DbDirCloseScan@12", Version(version) + " " + Handle(close->iHandle), ca, g_fake.closeCode);
    return 0;
}

int RK_DB2_CALL sqledosd(char* path, unsigned short* handle, unsigned short* count, Sqlca* ca)
{
    const std::string pathText = path == nullptr ? "path=null" : "path=" + std::string(path);
    if (Enter("sqledosd_api", pathText, ca, g_fake.databaseOpenCode) || g_fake.databaseOpenCode != 0)
        return 0;
    *handle = kFakeDatabaseScanHandle;
    *count = Count(g_fake.databases.size());
    g_fake.nextDatabase = 0;
    return 0;
}

int RK_DB2_CALL sqledgne(unsigned short handle, unsigned char** record, Sqlca* ca)
{
    if (Enter("sqledgne_api", Handle(handle), ca, 0))
        return 0;
    *record = Fetch(g_fake.databases, g_fake.nextDatabase, db2::dbinfo::kBasicSize);
    return 0;
}

int RK_DB2_CALL sqledcls(unsigned short handle, Sqlca* ca)
{
    Enter("sqledcls_api", Handle(handle), ca, g_fake.closeCode);
    return 0;
}

void RK_DB2_CALL Unused() { }

} // namespace

FakeDirectoryClient& Fake() { return g_fake; }

void ResetFake() { g_fake = FakeDirectoryClient{}; }

RecordingLoader::Exports FakeAppExports(FakeRoute route)
{
    RecordingLoader::Exports exports = {
        {"sqlenops_api@12", Entry(&sqlenops)}, {"sqlengne_api@12", Entry(&sqlengne)},
        {"sqlencls_api@8", Entry(&sqlencls)},  {"sqledosd_api", Entry(&sqledosd)},
        {"sqledgne_api", Entry(&sqledgne)},    {"sqledcls_api", Entry(&sqledcls)},
        {"sqlectnd_api", Entry(&Unused)},      {"sqlecadb_api", Entry(&Unused)},
        {"sqleuncn_api", Entry(&Unused)},      {"sqleuncd_api", Entry(&Unused)},
    };
    if (route != FakeRoute::kOlder)
        exports["db2DbDirOpenScan@12"] = Entry(&dbDirOpenScan);
    if (route == FakeRoute::kNewer) {
        exports["db2DbDirGetNextEntry@12"] = Entry(&dbDirGetNextEntry);
        exports["db2DbDirCloseScan@12"] = Entry(&dbDirCloseScan);
    }
    return exports;
}

RecordingLoader::Exports FakeSysExports()
{
    return {{"sqlaintp_api@20", Entry(&Unused)}, {"sqlogstt", Entry(&Unused)}};
}

} // namespace rk::test
