#pragma once
// The pair of DB2 libraries one catalog or uncatalog call needs, and the DB2
// steps of both operations. Each call creates its own, so the libraries are
// loaded afresh and released when the call returns (db2sys.dll first, then
// db2app.dll); nothing in it is shared with other calls.

#include <string>

#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2SysLib.h"

class CRkCatalogApi {
public:
    explicit CRkCatalogApi(rk::platform::CRkLibraryLoader& loader) : m_appLib(loader), m_sysLib(loader) { }

    // Loads db2app.dll, then db2sys.dll. On failure `message` becomes
    // "Failed to load " and the file name, and false is returned; db2sys.dll
    // is not tried when db2app.dll fails.
    bool LoadLibraries(std::string& message);

    // The DB2 steps, only after LoadLibraries() succeeded. Each makes one DB2
    // call; when its sqlcode is not 0 (a warning too) `message` becomes
    // DB2's error text for that call and false is returned.

    // sqlectnd_api: a TCP/IP node entry.
    bool CatalogTcpipNode(const std::string& nodeName, const std::string& hostName, const std::string& serviceName,
                          std::string& message);
    // sqlecadb_api: a remote database entry at `nodeName`, catalogued under
    // its own name as alias, with no path, comment or principal and
    // authentication not specified.
    bool CatalogRemoteDatabase(const std::string& databaseName, const std::string& nodeName, std::string& message);
    // sqleuncd_api and sqleuncn_api.
    bool UncatalogDatabase(const std::string& alias, std::string& message);
    bool UncatalogNode(const std::string& nodeName, std::string& message);

private:
    bool Succeeded(const rk::db2::Sqlca& ca, std::string& message) const;

    // Members are destroyed in reverse order: db2sys.dll is released first.
    CRkDb2AppLib m_appLib;
    CRkDb2SysLib m_sysLib;
};
