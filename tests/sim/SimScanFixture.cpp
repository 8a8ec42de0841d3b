#include "SimScanFixture.h"

namespace rk::test {

std::vector<std::string> SimApp::NodeRecords()
{
    unsigned short handle = 0;
    unsigned short count = 0;
    sqlenops_api(&handle, &count, &ca);
    std::vector<std::string> records;
    for (unsigned short i = 0; i < count && Code() == 0; ++i) {
        unsigned char* record = nullptr;
        sqlengne_api(handle, &record, &ca);
        if (Code() == 0)
            records.push_back(FieldBytes(record, {0, db2::nodeinfo::kSize}));
    }
    if (handle != 0)
        sqlencls_api(handle, &ca);
    return records;
}

std::vector<std::string> SimApp::BasicDatabaseRecords()
{
    unsigned short handle = 0;
    unsigned short count = 0;
    sqledosd_api(nullptr, &handle, &count, &ca);
    std::vector<std::string> records;
    for (unsigned short i = 0; i < count && Code() == 0; ++i) {
        unsigned char* record = nullptr;
        sqledgne_api(handle, &record, &ca);
        if (Code() == 0)
            records.push_back(FieldBytes(record, {0, db2::dbinfo::kBasicSize}));
    }
    if (handle != 0)
        sqledcls_api(handle, &ca);
    return records;
}

std::vector<std::string> SimApp::ExtendedDatabaseRecords()
{
    db2::DbDirOpenScanParams open{nullptr, 0, 0};
    db2DbDirOpenScan(db2::kDbDirVersion, &open, &ca);
    std::vector<std::string> records;
    for (unsigned short i = 0; i < open.oNumEntries && Code() == 0; ++i) {
        db2::DbDirNextEntryParams next{open.oHandle, nullptr};
        db2DbDirGetNextEntry(db2::kDbDirVersion, &next, &ca);
        if (Code() == 0)
            records.push_back(FieldBytes(next.poDbDirEntry, {0, db2::dbinfo::kExtendedSize}));
    }
    if (open.oHandle != 0) {
        db2::DbDirCloseScanParams close{open.oHandle};
        db2DbDirCloseScan(db2::kDbDirVersion, &close, &ca);
    }
    return records;
}

} // namespace rk::test
