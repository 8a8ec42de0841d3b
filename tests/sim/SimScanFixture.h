#pragma once
// db2app.dll of the stand-in loaded by path, its scan entry points bound
// through the types of db2/Db2Api.h, over a fresh store per test; and the
// three scan routes (the node directory, the older and the newer system
// database directory scan) behind one interface for the cases they share.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "db2/Db2Files.h"

namespace rk::test {

// One scan route: its entry points, its directory file and DB2's codes.
struct ScanRoute {
    enum class Kind { kNode, kOlderDatabase, kNewerDatabase };
    Kind kind;
    const char* name;       // for the test names
    const char* openExport; // as the call log names it
    const char* fileName;
    const char* blockWord; // "node" in "[node N1]", "database" in "[database D1]"
    std::size_t recordSize;
    bytes::Field nameField; // the node name or the database alias
    std::int32_t notFoundCode;
    std::int32_t emptyCode;
    std::int32_t exhaustedCode;

    bool SameDirectory(const ScanRoute& other) const { return (kind == Kind::kNode) == (other.kind == Kind::kNode); }
    // The directory file with one empty block per name.
    std::string Blocks(const std::vector<std::string>& names) const;
};

extern const ScanRoute kNodeRoute;
extern const ScanRoute kOlderDatabaseRoute;
extern const ScanRoute kNewerDatabaseRoute;
extern const ScanRoute* const kScanRoutes[3];

class SimApp : public testing::Test {
protected:
    SimHome home;
    SimLibrary app{RK_DB2APP_FILE};
    db2::Sqlca ca{};

    db2::SqlenopsFn sqlenops_api = app.Entry<db2::SqlenopsFn>("sqlenops_api@12");
    db2::SqlengneFn sqlengne_api = app.Entry<db2::SqlengneFn>("sqlengne_api@12");
    db2::SqlenclsFn sqlencls_api = app.Entry<db2::SqlenclsFn>("sqlencls_api@8");
    db2::SqledosdFn sqledosd_api = app.Entry<db2::SqledosdFn>("sqledosd_api");
    db2::SqledgneFn sqledgne_api = app.Entry<db2::SqledgneFn>("sqledgne_api");
    db2::SqledclsFn sqledcls_api = app.Entry<db2::SqledclsFn>("sqledcls_api");
    db2::DbDirFn db2DbDirOpenScan = app.Entry<db2::DbDirFn>("db2DbDirOpenScan@12");
    db2::DbDirFn db2DbDirGetNextEntry = app.Entry<db2::DbDirFn>("db2DbDirGetNextEntry@12");
    db2::DbDirFn db2DbDirCloseScan = app.Entry<db2::DbDirFn>("db2DbDirCloseScan@12");
    db2::SqlectndFn sqlectnd_api = app.Entry<db2::SqlectndFn>("sqlectnd_api");
    db2::SqlecadbFn sqlecadb_api = app.Entry<db2::SqlecadbFn>("sqlecadb_api");
    db2::SqleuncdFn sqleuncd_api = app.Entry<db2::SqleuncdFn>("sqleuncd_api");
    db2::SqleuncnFn sqleuncn_api = app.Entry<db2::SqleuncnFn>("sqleuncn_api");

    void SetUp() override
    {
        ASSERT_TRUE(app.IsLoaded());
        ASSERT_NE(nullptr, sqleuncn_api);
    }

    std::int32_t Code() const { return db2::Sqlcode(ca); }

    // One call of the route's open, fetch or close; returns the SQLCODE.
    std::int32_t Open(const ScanRoute& route, unsigned short* handle, unsigned short* count);
    std::int32_t Fetch(const ScanRoute& route, unsigned short handle, unsigned char** record);
    std::int32_t Close(const ScanRoute& route, unsigned short handle);

    // The records of a whole scan, the scan closed.
    std::vector<std::string> Records(const ScanRoute& route);
    std::vector<std::string> NodeRecords() { return Records(kNodeRoute); }
    std::vector<std::string> BasicDatabaseRecords() { return Records(kOlderDatabaseRoute); }
    std::vector<std::string> ExtendedDatabaseRecords() { return Records(kNewerDatabaseRoute); }
};

// The cases every route shares, run once per route.
class SimScan : public SimApp, public testing::WithParamInterface<const ScanRoute*> {
protected:
    const ScanRoute& Route() const { return *GetParam(); }
};

} // namespace rk::test
