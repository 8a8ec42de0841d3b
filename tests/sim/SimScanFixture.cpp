#include "SimScanFixture.h"

namespace rk::test {

const ScanRoute kNodeRoute{ScanRoute::Kind::kNode,
                           "Node",
                           "sqlenops_api@12",
                           "nodes.txt",
                           "node",
                           db2::nodeinfo::kSize,
                           db2::nodeinfo::kNodeName,
                           db2::kSqlNodeDirectoryNotFound,
                           db2::kSqlNodeDirectoryEmpty,
                           db2::kSqlNodeScansExhausted};
const ScanRoute kOlderDatabaseRoute{ScanRoute::Kind::kOlderDatabase,
                                    "OlderDatabase",
                                    "sqledosd_api",
                                    "databases.txt",
                                    "database",
                                    db2::dbinfo::kBasicSize,
                                    db2::dbinfo::kAlias,
                                    db2::kSqlDatabaseDirectoryNotFound,
                                    db2::kSqlSystemDirectoryEmpty,
                                    db2::kSqlDatabaseScansExhausted};
const ScanRoute kNewerDatabaseRoute{ScanRoute::Kind::kNewerDatabase,
                                    "NewerDatabase",
                                    "db2DbDirOpenScan@12",
                                    "databases.txt",
                                    "database",
                                    db2::dbinfo::kExtendedSize,
                                    db2::dbinfo::kAlias,
                                    db2::kSqlDatabaseDirectoryNotFound,
                                    db2::kSqlSystemDirectoryEmpty,
                                    db2::kSqlDatabaseScansExhausted};
const ScanRoute* const kScanRoutes[3] = {&kNodeRoute, &kOlderDatabaseRoute, &kNewerDatabaseRoute};

std::string ScanRoute::Blocks(const std::vector<std::string>& names) const
{
    std::string text;
    for (const auto& entryName : names)
        text += "[" + std::string(blockWord) + " " + entryName + "]\n";
    return text;
}

std::int32_t SimApp::Open(const ScanRoute& route, unsigned short* handle, unsigned short* count)
{
    switch (route.kind) {
    case ScanRoute::Kind::kNode: sqlenops_api(handle, count, &ca); break;
    case ScanRoute::Kind::kOlderDatabase: sqledosd_api(nullptr, handle, count, &ca); break;
    case ScanRoute::Kind::kNewerDatabase: {
        db2::DbDirOpenScanParams open{nullptr, *handle, *count};
        db2DbDirOpenScan(db2::kDbDirVersion, &open, &ca);
        *handle = open.oHandle;
        *count = open.oNumEntries;
        break;
    }
    }
    return Code();
}

std::int32_t SimApp::Fetch(const ScanRoute& route, unsigned short handle, unsigned char** record)
{
    switch (route.kind) {
    case ScanRoute::Kind::kNode: sqlengne_api(handle, record, &ca); break;
    case ScanRoute::Kind::kOlderDatabase: sqledgne_api(handle, record, &ca); break;
    case ScanRoute::Kind::kNewerDatabase: {
        db2::DbDirNextEntryParams next{handle, *record};
        db2DbDirGetNextEntry(db2::kDbDirVersion, &next, &ca);
        *record = next.poDbDirEntry;
        break;
    }
    }
    return Code();
}

std::int32_t SimApp::Close(const ScanRoute& route, unsigned short handle)
{
    switch (route.kind) {
    case ScanRoute::Kind::kNode: sqlencls_api(handle, &ca); break;
    case ScanRoute::Kind::kOlderDatabase: sqledcls_api(handle, &ca); break;
    case ScanRoute::Kind::kNewerDatabase: {
        db2::DbDirCloseScanParams close{handle};
        db2DbDirCloseScan(db2::kDbDirVersion, &close, &ca);
        break;
    }
    }
    return Code();
}

std::vector<std::string> SimApp::Records(const ScanRoute& route)
{
    unsigned short handle = 0;
    unsigned short count = 0;
    Open(route, &handle, &count);
    std::vector<std::string> records;
    for (unsigned short i = 0; i < count && Code() == 0; ++i) {
        unsigned char* record = nullptr;
        if (Fetch(route, handle, &record) == 0)
            records.push_back(FieldBytes(record, {0, route.recordSize}));
    }
    if (handle != 0)
        Close(route, handle);
    return records;
}

} // namespace rk::test
