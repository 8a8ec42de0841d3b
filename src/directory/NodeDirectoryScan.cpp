#include "directory/NodeDirectoryScan.h"

#include "db2/CRkDb2AppLib.h"
#include "directory/DirectoryScan.h"

namespace rk::directory {

bool ScanNodeDirectory(const CRkDb2AppLib& appLib, db2::Sqlca& ca,
                       const std::function<void(const unsigned char*)>& take)
{
    unsigned short handle = 0;
    unsigned short count = 0;
    appLib.sqlenops_api(&handle, &count, &ca);
    const std::int32_t openCode = db2::Sqlcode(ca);
    if (openCode == db2::kSqlNodeDirectoryEmpty || openCode == db2::kSqlNodeDirectoryNotFound)
        return true;
    if (openCode != 0)
        return false;
    return FetchAllAndClose(
        ca, count,
        [&](db2::Sqlca& fetchCa) {
            unsigned char* record = nullptr;
            appLib.sqlengne_api(handle, &record, &fetchCa);
            return static_cast<const unsigned char*>(record);
        },
        take, [&](db2::Sqlca& closeCa) { appLib.sqlencls_api(handle, &closeCa); });
}

} // namespace rk::directory
