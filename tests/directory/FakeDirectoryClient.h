#pragma once
// An in-process stand-in for db2app.dll's directory entry points, served
// through a RecordingLoader: a node directory and a system database
// directory held as records, DB2's handling of the sqlca, injectable
// failures and a log of every call with its arguments.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "FaultRules.h"
#include "RecordingLoader.h"
#include "TestDirectoryRecords.h"
#include "db2/CRkDb2AppLib.h"
#include "db2/Db2Files.h"

namespace rk::test {

struct FakeDirectoryClient {
    // SQLCODE of the opens; with a nonzero code the open reports no entries.
    std::int32_t nodeOpenCode = 0;
    std::int32_t databaseOpenCode = 0;
    std::vector<Record> nodes;
    // Extended records; the older route hands out their basic part.
    std::vector<Record> databases;
    // SQLCODE a close leaves in the sqlca it is given.
    std::int32_t closeCode = 0;
    // Every call in order, e.g. "sqlengne_api@12 handle=7",
    // "db2DbDirOpenScan@12 version=8020000 path=null", each injected one
    // followed by its fault line as the stand-in logs it.
    std::vector<std::string> calls;

    // The `n`-th call (from 1) of `exportName` sets `sqlcode` and does nothing else.
    void FailCall(const std::string& exportName, int n, std::int32_t sqlcode) { faults.Add(exportName, n, sqlcode); }

    sim::CRkFaultRules faults;
    std::map<std::string, int> callCounts;
    std::size_t nextNode = 0;
    std::size_t nextDatabase = 0;
    // DB2 hands out each record in memory of its own that the next fetch reuses.
    Record fetched;
};

// The one fake, reset by ResetFake().
FakeDirectoryClient& Fake();
void ResetFake();

inline constexpr std::uint16_t kFakeNodeScanHandle = 7;
inline constexpr std::uint16_t kFakeDatabaseScanHandle = 11;

enum class FakeRoute {
    kNewer,        // all three db2DbDir entry points
    kOpenScanOnly, // db2DbDirOpenScan without its two companions
    kOlder,        // no db2DbDir entry points
};

// db2app.dll's exports served by the fake for a client of the given kind.
RecordingLoader::Exports FakeAppExports(FakeRoute route);
// db2sys.dll's exports (they answer nothing useful; listing does not use them).
RecordingLoader::Exports FakeSysExports();

// db2app.dll served by the fake (reset first), loaded.
class FakeAppLib {
public:
    explicit FakeAppLib(FakeRoute route = FakeRoute::kNewer)
    {
        ResetFake();
        m_loader.Provide(RK_DB2APP_FILE, FakeAppExports(route));
        m_loaded = m_lib.Load();
    }
    bool IsLoaded() const { return m_loaded; }
    const CRkDb2AppLib& Lib() const { return m_lib; }

private:
    RecordingLoader m_loader;
    CRkDb2AppLib m_lib{m_loader};
    bool m_loaded = false;
};

} // namespace rk::test
