// db2app.dll of the stand-in client: DB2's node directory and system
// database directory scans and catalog calls, over the store of
// sim/store (CRkDirectoryStore.h). Each export announces itself to the test
// hooks, does its work unless a scenario injected its SQLCODE, and fills
// the caller's sqlca. No exception leaves an export.

#include "SimHooks.h"

#include <exception>

#include "CRkDirectoryStore.h"
#include "CatalogEdits.h"
#include "DirectoryScans.h"
#include "ListedEntryPoints.h"
#include "SimCodes.h"
#include "db2/Db2Api.h"

using rk::db2::Sqlca;
using rk::sim::CallOutcome;
using rk::sim::ScanKind;

namespace {

// A directory file that cannot be read or does not parse fails every call
// that reads it, as DB2 fails on a damaged directory. DB2's message names
// neither file nor line: the tokens carry them for whoever reads sqlerrmc.
CallOutcome DamagedDirectory(const rk::sim::store::CRkDamagedDirectory& damage)
{
    const bool nodes = damage.DamagedKind() == rk::sim::store::CRkDamagedDirectory::Kind::kNodes;
    return CallOutcome{nodes ? rk::sim::kSqlNodeDirectoryIoError : rk::sim::kSqlDatabaseDirectoryDamaged,
                       {damage.FileName(), damage.Detail()}};
}

// Runs one entry point: `work` yields the outcome; with an injected SQLCODE
// `skipped` clears the outputs instead. Without an sqlca nothing is done.
template <typename Work, typename Skipped>
int RunCall(const char* exportName, const char* module, Sqlca* ca, Work work, Skipped skipped)
{
    CallOutcome outcome;
    try {
        if (const auto injected = rk::sim::EnterCall(exportName)) {
            skipped();
            outcome.sqlcode = *injected;
        } else if (ca == nullptr) {
            return rk::sim::kSqlParameterNotValid;
        } else {
            outcome = work();
        }
    } catch (const rk::sim::store::CRkDamagedDirectory& damage) {
        outcome = DamagedDirectory(damage);
    } catch (const std::exception& error) {
        outcome = CallOutcome{rk::sim::kSqlSystemError, {error.what()}};
    } catch (...) {
        outcome = CallOutcome{rk::sim::kSqlSystemError, {}};
    }
    if (ca != nullptr)
        rk::sim::FillSqlca(*ca, outcome, module);
    return outcome.sqlcode;
}

template <typename Work>
int RunCall(const char* exportName, const char* module, Sqlca* ca, Work work)
{
    return RunCall(exportName, module, ca, work, [] {});
}

void ClearOpenOutputs(unsigned short* handle, unsigned short* count)
{
    if (handle != nullptr)
        *handle = 0;
    if (count != nullptr)
        *count = 0;
}

void ClearRecord(unsigned char** record)
{
    if (record != nullptr)
        *record = nullptr;
}

// The db2DbDir* entry points take their arguments in a parameter record and
// name the record layout by a version number; the stand-in has the layout of
// version 8020000 only. DB2's SQLCODE for a version it does not support
// was not verified; the stand-in reports the parameter as not valid.
bool IsKnownVersion(std::uint32_t version) { return version == rk::db2::kDbDirVersion; }

CallOutcome WrongVersion() { return CallOutcome{rk::sim::kSqlParameterNotValid, {"versionNumber"}}; }

CallOutcome NoParameters() { return CallOutcome{rk::sim::kSqlParameterNotValid, {"pParmStruct"}}; }

} // namespace

extern "C" {

int RK_DB2_CALL db2DbDirOpenScan(std::uint32_t version, void* parameters, Sqlca* ca)
{
    auto* open = static_cast<rk::db2::DbDirOpenScanParams*>(parameters);
    const auto clear = [open] {
        if (open != nullptr)
            ClearOpenOutputs(&open->oHandle, &open->oNumEntries);
    };
    return RunCall(
        rk::db2::listed::db2DbDirOpenScan, "DB2DBDIR", ca,
        [&] {
            if (open == nullptr)
                return NoParameters();
            clear();
            if (!IsKnownVersion(version))
                return WrongVersion();
            return rk::sim::OpenDatabaseScan(ScanKind::kDatabaseExtended, open->piPath, &open->oHandle,
                                             &open->oNumEntries);
        },
        clear);
}

int RK_DB2_CALL db2DbDirGetNextEntry(std::uint32_t version, void* parameters, Sqlca* ca)
{
    auto* next = static_cast<rk::db2::DbDirNextEntryParams*>(parameters);
    const auto clear = [next] {
        if (next != nullptr)
            ClearRecord(&next->poDbDirEntry);
    };
    return RunCall(
        rk::db2::listed::db2DbDirGetNextEntry, "DB2DBDIR", ca,
        [&] {
            if (next == nullptr)
                return NoParameters();
            clear();
            if (!IsKnownVersion(version))
                return WrongVersion();
            return rk::sim::FetchNextEntry(ScanKind::kDatabaseExtended, next->iHandle, &next->poDbDirEntry);
        },
        clear);
}

int RK_DB2_CALL db2DbDirCloseScan(std::uint32_t version, void* parameters, Sqlca* ca)
{
    const auto* close = static_cast<const rk::db2::DbDirCloseScanParams*>(parameters);
    return RunCall(rk::db2::listed::db2DbDirCloseScan, "DB2DBDIR", ca, [&] {
        if (close == nullptr)
            return NoParameters();
        if (!IsKnownVersion(version))
            return WrongVersion();
        return rk::sim::CloseScan(ScanKind::kDatabaseExtended, close->iHandle);
    });
}

int RK_DB2_CALL sqlenops_api(unsigned short* handle, unsigned short* count, Sqlca* ca)
{
    return RunCall(
        rk::db2::listed::sqlenops_api, "SQLENOPS", ca, [&] { return rk::sim::OpenNodeScan(handle, count); },
        [&] { ClearOpenOutputs(handle, count); });
}

int RK_DB2_CALL sqlengne_api(unsigned short handle, unsigned char** record, Sqlca* ca)
{
    return RunCall(
        rk::db2::listed::sqlengne_api, "SQLENGNE", ca,
        [&] { return rk::sim::FetchNextEntry(ScanKind::kNode, handle, record); }, [&] { ClearRecord(record); });
}

int RK_DB2_CALL sqlencls_api(unsigned short handle, Sqlca* ca)
{
    return RunCall(rk::db2::listed::sqlencls_api, "SQLENCLS", ca,
                   [&] { return rk::sim::CloseScan(ScanKind::kNode, handle); });
}

int RK_DB2_CALL sqledosd_api(char* path, unsigned short* handle, unsigned short* count, Sqlca* ca)
{
    return RunCall(
        rk::db2::listed::sqledosd_api, "SQLEDOSD", ca,
        [&] { return rk::sim::OpenDatabaseScan(ScanKind::kDatabase, path, handle, count); },
        [&] { ClearOpenOutputs(handle, count); });
}

int RK_DB2_CALL sqledgne_api(unsigned short handle, unsigned char** record, Sqlca* ca)
{
    return RunCall(
        rk::db2::listed::sqledgne_api, "SQLEDGNE", ca,
        [&] { return rk::sim::FetchNextEntry(ScanKind::kDatabase, handle, record); }, [&] { ClearRecord(record); });
}

int RK_DB2_CALL sqledcls_api(unsigned short handle, Sqlca* ca)
{
    return RunCall(rk::db2::listed::sqledcls_api, "SQLEDCLS", ca,
                   [&] { return rk::sim::CloseScan(ScanKind::kDatabase, handle); });
}

int RK_DB2_CALL sqlectnd_api(unsigned char* node, unsigned char* protocol, Sqlca* ca)
{
    return RunCall(rk::db2::listed::sqlectnd_api, "SQLECTND", ca, [&] { return rk::sim::CatalogNode(node, protocol); });
}

int RK_DB2_CALL sqlecadb_api(char* databaseName, char* alias, unsigned char entryType, char* nodeName, char* path,
                             char* comment, unsigned short authentication, char* principal, Sqlca* ca)
{
    return RunCall(rk::db2::listed::sqlecadb_api, "SQLECADB", ca, [&] {
        return rk::sim::CatalogDatabase(databaseName, alias, entryType, nodeName, path, comment, authentication,
                                        principal);
    });
}

int RK_DB2_CALL sqleuncd_api(char* alias, Sqlca* ca)
{
    return RunCall(rk::db2::listed::sqleuncd_api, "SQLEUNCD", ca, [&] { return rk::sim::UncatalogDatabase(alias); });
}

int RK_DB2_CALL sqleuncn_api(char* nodeName, Sqlca* ca)
{
    return RunCall(rk::db2::listed::sqleuncn_api, "SQLEUNCN", ca, [&] { return rk::sim::UncatalogNode(nodeName); });
}

int RK_DB2_CALL db2UpdateAlternateServerForDB(std::uint32_t version, void* parameters, Sqlca* ca)
{
    const auto* update = static_cast<const rk::db2::AltServerParams*>(parameters);
    return RunCall(rk::db2::listed::db2UpdateAlternateServerForDB, "DB2UPDAS", ca, [&] {
        if (!IsKnownVersion(version))
            return WrongVersion();
        if (update == nullptr)
            return NoParameters();
        return rk::sim::SetAlternateServer(update->piDbAlias, update->piHostName, update->piPort);
    });
}

} // extern "C"

RK_DB2APP_ENTRY_POINTS(RK_SIM_CHECK_ENTRY_POINT)
