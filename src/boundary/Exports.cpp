// The exports. Each is a thin shell: it checks its handle, hands over to the
// code that does the work, and never lets an exception escape.

#include "rkdb2rova.h"

#include <memory>
#include <mutex>
#include <string>
#include <type_traits>

#include "boundary/CatalogShells.h"
#include "boundary/ModuleState.h"
#include "boundary/TruncatingCopy.h"
#include "catalog/CatalogRequests.h"
#include "connect/CRkConnectionCheck.h"
#include "datasources/DataSourceRecords.h"
#include "directory/DatabaseDetailsRecord.h"
#include "directory/DirectoryTexts.h"
#include "directory/HostRecords.h"
#include "rk/ExportList.h"

using rk::boundary::LowSigned16;
using rk::boundary::TruncatingCopy;

namespace {

// The list's names are the header's prototypes, of the header's pointer
// types; on 32-bit x86 the list's argument bytes are what __stdcall pops, the
// "@N" of the exported symbol.
template <typename R, typename... Args>
constexpr std::size_t StackBytes(R(RKDB2_CALL*)(Args...))
{
    return (0 + ... + ((sizeof(Args) + 3) / 4 * 4));
}
#define RK_CHECK_EXPORT(name, ordinal, bytes)                                                  \
    static_assert(std::is_same_v<decltype(&::name), RKDB2_PFN_##name>, #name " has its type"); \
    static_assert(sizeof(void*) != 4 || StackBytes(&::name) == (bytes), #name " pops its bytes");
RK_EXPORTS(RK_CHECK_EXPORT)
#undef RK_CHECK_EXPORT

RkDatabaseEntry* ToHandle(const CRkDatabaseEntry* entry)
{
    // The host holds entries as opaque pointers; it never writes through them.
    return reinterpret_cast<RkDatabaseEntry*>(const_cast<CRkDatabaseEntry*>(entry));
}

} // namespace

extern "C" {

RKDB2_API void RKDB2_CALL CRkDatabaseListGetError(RkDatabaseList* list, char* text, int size)
{
    try {
        CRkDatabaseList::Error error;
        {
            std::lock_guard<std::mutex> lock(g_directoryLock);
            const CRkDatabaseList* own = g_databaseLists.Find(list);
            if (own == nullptr)
                return;
            error = own->LastError();
        }
        if (error.failedInside) {
            TruncatingCopy(rk::directory::kListFailedInsideText, text, LowSigned16(size));
            return;
        }
        // DB2's message lookups run outside the lock, on a copy.
        TruncatingCopy(g_db2Client.SysLib().GetErrorText(error.sqlca), text, LowSigned16(size));
    } catch (...) {
    }
}

RKDB2_API RkDatabaseList* RKDB2_CALL CRkDatabaseListNew(void)
{
    try {
        auto list = std::make_unique<CRkDatabaseList>();
        if (!g_db2Client.LoadDirectoryLibraries())
            return nullptr;
        std::lock_guard<std::mutex> lock(g_directoryLock);
        return reinterpret_cast<RkDatabaseList*>(g_databaseLists.Adopt(std::move(list)));
    } catch (...) {
        return nullptr;
    }
}

RKDB2_API RkDatabaseEntry* RKDB2_CALL CRkDatabaseListNext(RkDatabaseList* list)
{
    try {
        std::lock_guard<std::mutex> lock(g_directoryLock);
        CRkDatabaseList* own = g_databaseLists.Find(list);
        return own != nullptr ? ToHandle(own->Next()) : nullptr;
    } catch (...) {
        return nullptr;
    }
}

RKDB2_API int RKDB2_CALL CRkDatabaseListPopulate(RkDatabaseList* list, RkDatabaseEntry** first)
{
    try {
        std::lock_guard<std::mutex> lock(g_directoryLock);
        CRkDatabaseList* own = g_databaseLists.Find(list);
        if (own == nullptr)
            return 0;
        if (first != nullptr)
            *first = nullptr;
        const CRkDatabaseList::Population population = own->Populate(g_db2Client.AppLib(), g_nodeList);
        if (first != nullptr)
            *first = ToHandle(population.first);
        return population.succeeded ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

RKDB2_API int RKDB2_CALL CatalogDatabase(const char* hostName, const char* databaseName, char* message, int messageSize)
{
    try {
        return rk::boundary::CatalogDatabaseShell(hostName, databaseName, message, messageSize,
                                                  rk::platform::SystemLibraryLoader());
    } catch (...) {
        return 0;
    }
}

RKDB2_API void RKDB2_CALL GetDatabaseDetails(RkDatabaseEntry* entry, char* record)
{
    try {
        std::lock_guard<std::mutex> lock(g_directoryLock);
        const CRkDatabaseEntry* own = g_databaseLists.FindEntry(entry);
        if (own != nullptr)
            rk::directory::WriteDatabaseDetails(*own, record);
    } catch (...) {
    }
}

RKDB2_API int RKDB2_CALL RkConnect(const char* dataSource, const char* user, const char* password, char* dbmsName,
                                   char* message)
{
    try {
        return CRkConnectionCheck::Run(g_db2Client.CliLib(), dataSource, user, password, dbmsName, message) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

RKDB2_API int RKDB2_CALL UncatalogDatabase(const char* alias, const char* nodeName, char* message, int messageSize)
{
    try {
        return rk::boundary::UncatalogDatabaseShell(alias, nodeName, message, messageSize,
                                                    rk::platform::SystemLibraryLoader());
    } catch (...) {
        return 0;
    }
}

RKDB2_API int RKDB2_CALL RkCatalogNode(const RkNodeRecord* node, char* message, int messageSize)
{
    return rk::boundary::RunRequest(
        message, messageSize, [&](std::string& text) { return rk::catalog::CatalogNode(node, text, g_db2Client); });
}

RKDB2_API int RKDB2_CALL RkCatalogDatabaseAtNode(const RkDatabaseRecord* database, char* message, int messageSize)
{
    return rk::boundary::RunRequest(message, messageSize, [&](std::string& text) {
        return rk::catalog::CatalogDatabaseAtNode(database, text, g_db2Client);
    });
}

RKDB2_API int RKDB2_CALL RkSetAlternateServer(const char* alias, const char* hostName, const char* portNumber,
                                              char* message, int messageSize)
{
    return rk::boundary::RunRequest(message, messageSize, [&](std::string& text) {
        return rk::catalog::SetAlternateServer(alias, hostName, portNumber, text, g_db2Client);
    });
}

RKDB2_API int RKDB2_CALL RkUncatalogNode(const char* nodeName, char* message, int messageSize)
{
    return rk::boundary::RunRequest(message, messageSize, [&](std::string& text) {
        return rk::catalog::UncatalogNode(nodeName, text, g_db2Client);
    });
}

RKDB2_API int RKDB2_CALL RkUncatalogDatabase(const char* alias, char* message, int messageSize)
{
    return rk::boundary::RunRequest(message, messageSize, [&](std::string& text) {
        return rk::catalog::UncatalogDatabase(alias, text, g_db2Client);
    });
}

RKDB2_API int RKDB2_CALL RkListNodes(RkNodeRecord* nodes, int capacity, int* count, char* message, int messageSize)
{
    return rk::boundary::RunRequest(message, messageSize, [&](std::string& text) {
        return rk::catalog::ListNodes(nodes, capacity, count, text, g_db2Client);
    });
}

RKDB2_API int RKDB2_CALL RkGetDatabaseRecord(RkDatabaseEntry* entry, RkDatabaseRecord* record)
{
    try {
        if (record == nullptr || record->size < RKDB2_DATABASE_RECORD_SIZE)
            return 0;
        std::lock_guard<std::mutex> lock(g_directoryLock);
        const CRkDatabaseEntry* own = g_databaseLists.FindEntry(entry);
        if (own == nullptr)
            return 0;
        rk::directory::WriteDatabaseRecord(*own, *record);
        return 1;
    } catch (...) {
        return 0;
    }
}

RKDB2_API RkDataSourceList* RKDB2_CALL RkDataSourceListNew(void)
{
    try {
        auto list = std::make_unique<CRkDataSourceList>(rk::platform::SystemProfileRegistry());
        std::lock_guard<std::mutex> lock(g_directoryLock);
        return reinterpret_cast<RkDataSourceList*>(g_dataSourceLists.Adopt(std::move(list)));
    } catch (...) {
        return nullptr;
    }
}

RKDB2_API int RKDB2_CALL RkDataSourceListPopulate(RkDataSourceList* list, RkDataSourceEntry** first)
{
    try {
        std::lock_guard<std::mutex> lock(g_directoryLock);
        CRkDataSourceList* own = g_dataSourceLists.Find(list);
        if (own == nullptr)
            return 0;
        if (first != nullptr)
            *first = nullptr;
        const CRkDataSourceList::Population population = own->Populate(g_db2Client);
        if (first != nullptr)
            *first = reinterpret_cast<RkDataSourceEntry*>(const_cast<CRkDataSourceEntry*>(population.first));
        return population.succeeded ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

RKDB2_API RkDataSourceEntry* RKDB2_CALL RkDataSourceListNext(RkDataSourceList* list)
{
    try {
        std::lock_guard<std::mutex> lock(g_directoryLock);
        CRkDataSourceList* own = g_dataSourceLists.Find(list);
        return own != nullptr ? reinterpret_cast<RkDataSourceEntry*>(const_cast<CRkDataSourceEntry*>(own->Next()))
                              : nullptr;
    } catch (...) {
        return nullptr;
    }
}

RKDB2_API void RKDB2_CALL RkDataSourceListGetError(RkDataSourceList* list, char* text, int size)
{
    try {
        std::lock_guard<std::mutex> lock(g_directoryLock);
        if (const CRkDataSourceList* own = g_dataSourceLists.Find(list))
            TruncatingCopy(own->ErrorText(), text, size);
    } catch (...) {
    }
}

RKDB2_API int RKDB2_CALL RkGetDataSourceRecord(RkDataSourceEntry* entry, RkDataSourceRecord* record)
{
    try {
        if (record == nullptr || record->size < RKDB2_DATA_SOURCE_RECORD_SIZE)
            return 0;
        std::lock_guard<std::mutex> lock(g_directoryLock);
        const CRkDataSourceEntry* own = g_dataSourceLists.FindEntry(entry);
        if (own == nullptr)
            return 0;
        rk::datasources::WriteDataSourceRecord(*own, *record);
        return 1;
    } catch (...) {
        return 0;
    }
}

RKDB2_API int RKDB2_CALL RkDataSourceListGetFiles(RkDataSourceList* list, RkDataSourceFiles* files)
{
    try {
        if (files == nullptr || files->size < RKDB2_DATA_SOURCE_FILES_SIZE)
            return 0;
        std::lock_guard<std::mutex> lock(g_directoryLock);
        const CRkDataSourceList* own = g_dataSourceLists.Find(list);
        if (own == nullptr || !own->HasPopulated())
            return 0;
        rk::datasources::WriteDataSourceFiles(*own, *files);
        return 1;
    } catch (...) {
        return 0;
    }
}

} // extern "C"
