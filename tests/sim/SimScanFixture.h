#pragma once
// db2app.dll of the stand-in loaded by path, its scan entry points bound
// through the types of db2/Db2Api.h, over a fresh store per test.

#include <gtest/gtest.h>

#include "SimTestSupport.h"

namespace rk::test {

class SimApp : public testing::Test {
protected:
    SimHome home;
    SimLibrary app{"db2app.dll"};
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

    // The records of a whole scan on each route, the scan closed.
    std::vector<std::string> NodeRecords();
    std::vector<std::string> BasicDatabaseRecords();
    std::vector<std::string> ExtendedDatabaseRecords();
};

} // namespace rk::test
