// db2app.dll of the stand-in client: the directory and catalog entry points.
// For now every directory answers as empty and catalog calls succeed.

#define RK_SIM_LIBRARY_NAME "db2app.dll"
#include "LibraryEvents.h"

#include "db2/Db2Api.h"

using rk::db2::Sqlca;

namespace {

// Announces the call and fills the sqlca: the injected SQLCODE if a rule
// matches, else `sqlcode`.
int Finish(const char* name, Sqlca* ca, int sqlcode)
{
    const auto injected = rk::sim::EnterCall(name);
    if (ca != nullptr) {
        *ca = Sqlca{};
        rk::db2::SetSqlcode(*ca, injected ? *injected : sqlcode);
    }
    return 0;
}

} // namespace

extern "C" {

int RK_DB2_CALL db2DbDirOpenScan(std::uint32_t, void*, Sqlca* ca) { return Finish("db2DbDirOpenScan@12", ca, rk::db2::kSqlSystemDirectoryEmpty); }
int RK_DB2_CALL db2DbDirGetNextEntry(std::uint32_t, void*, Sqlca* ca) { return Finish("db2DbDirGetNextEntry@12", ca, 1014); }
int RK_DB2_CALL db2DbDirCloseScan(std::uint32_t, void*, Sqlca* ca) { return Finish("db2DbDirCloseScan@12", ca, 0); }
int RK_DB2_CALL sqlenops_api(unsigned short*, unsigned short*, Sqlca* ca) { return Finish("sqlenops_api@12", ca, rk::db2::kSqlNodeDirectoryEmpty); }
int RK_DB2_CALL sqlengne_api(unsigned short, unsigned char**, Sqlca* ca) { return Finish("sqlengne_api@12", ca, 1014); }
int RK_DB2_CALL sqlencls_api(unsigned short, Sqlca* ca) { return Finish("sqlencls_api@8", ca, 0); }
int RK_DB2_CALL sqledosd_api(char*, unsigned short*, unsigned short*, Sqlca* ca) { return Finish("sqledosd_api", ca, rk::db2::kSqlSystemDirectoryEmpty); }
int RK_DB2_CALL sqledgne_api(unsigned short, unsigned char**, Sqlca* ca) { return Finish("sqledgne_api", ca, 1014); }
int RK_DB2_CALL sqledcls_api(unsigned short, Sqlca* ca) { return Finish("sqledcls_api", ca, 0); }
int RK_DB2_CALL sqlectnd_api(unsigned char*, unsigned char*, Sqlca* ca) { return Finish("sqlectnd_api", ca, 0); }
int RK_DB2_CALL sqlecadb_api(char*, char*, unsigned char, char*, char*, char*, unsigned short, char*, Sqlca* ca) { return Finish("sqlecadb_api", ca, 0); }
int RK_DB2_CALL sqleuncd_api(char*, Sqlca* ca) { return Finish("sqleuncd_api", ca, 0); }
int RK_DB2_CALL sqleuncn_api(char*, Sqlca* ca) { return Finish("sqleuncn_api", ca, 0); }

} // extern "C"
