#pragma once
// The library's exports, one line each, in ordinal order:
//
//   X(name, ordinal, bytes of arguments on 32-bit x86)
//
// The module-definition files of both Windows builds, the native version
// script, the expected table of the export check (cmake/RkExportList.cmake
// reads these lines: keep one export per line) and the host loader's table
// all come from this list. The prototypes are the public header's; the
// library checks at compile time that each name here has one of the same
// type as its RKDB2_PFN_ pointer.
#define RK_EXPORTS(X)                   \
    X(CRkDatabaseListGetError, 1, 12)   \
    X(CRkDatabaseListNew, 2, 0)         \
    X(CRkDatabaseListNext, 3, 4)        \
    X(CRkDatabaseListPopulate, 4, 8)    \
    X(CatalogDatabase, 5, 16)           \
    X(GetDatabaseDetails, 6, 8)         \
    X(RkConnect, 7, 20)                 \
    X(UncatalogDatabase, 8, 16)         \
    X(RkCatalogNode, 9, 12)             \
    X(RkCatalogDatabaseAtNode, 10, 12)  \
    X(RkSetAlternateServer, 11, 20)     \
    X(RkUncatalogNode, 12, 12)          \
    X(RkUncatalogDatabase, 13, 12)      \
    X(RkListNodes, 14, 20)              \
    X(RkGetDatabaseRecord, 15, 8)       \
    X(RkDataSourceListNew, 16, 0)       \
    X(RkDataSourceListPopulate, 17, 8)  \
    X(RkDataSourceListNext, 18, 4)      \
    X(RkDataSourceListGetError, 19, 12) \
    X(RkGetDataSourceRecord, 20, 8)     \
    X(RkDataSourceListGetFiles, 21, 8)
