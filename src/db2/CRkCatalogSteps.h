#pragma once
// The DB2 calls that change the node and system database directories, one
// step each, over libraries loaded by whoever holds them: the per-call pair
// of CRkCatalogApi, or the module's client. Each step makes one DB2 call;
// when its sqlcode is not 0 (a warning too) `message` becomes DB2's error
// text for that call and false is returned.

#include <cstdint>
#include <string>

#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2SysLib.h"
#include "db2/TcpipNodeRecords.h"

// A remote database entry as sqlecadb_api takes it; an empty alias, comment
// or principal is passed as a null pointer.
struct RemoteDatabaseSpec {
    std::string databaseName;
    std::string alias;
    std::string nodeName;
    std::string comment;
    std::uint16_t authentication;
    std::string principal;
};

class CRkCatalogSteps {
public:
    CRkCatalogSteps(const CRkDb2AppLib& appLib, const CRkDb2SysLib& sysLib) : m_appLib(appLib), m_sysLib(sysLib) { }

    bool CatalogTcpipNode(const rk::db2::TcpipNodeSpec& node, std::string& message) const;
    bool CatalogRemoteDatabase(const RemoteDatabaseSpec& database, std::string& message) const;
    bool UncatalogDatabase(const std::string& alias, std::string& message) const;
    bool UncatalogNode(const std::string& nodeName, std::string& message) const;
    // db2UpdateAlternateServerForDB, which older clients lack (the caller
    // checks the entry point); empty host and port are passed as null
    // pointers, which clear the alternate server.
    bool SetAlternateServer(const std::string& alias, const std::string& hostName, const std::string& portNumber,
                            std::string& message) const;

private:
    bool Succeeded(const rk::db2::Sqlca& ca, std::string& message) const;

    const CRkDb2AppLib& m_appLib;
    const CRkDb2SysLib& m_sysLib;
};
