#include "db2/CRkCatalogApi.h"

#include "catalog/CatalogTexts.h"
#include "db2/TcpipNodeRecords.h"

// DB2 declares the texts of these calls writable, so each call gets copies
// of its own.

bool CRkCatalogApi::LoadLibraries(std::string& message)
{
    for (CRkDb2Lib* library : {static_cast<CRkDb2Lib*>(&m_appLib), static_cast<CRkDb2Lib*>(&m_sysLib)}) {
        if (!library->Load()) {
            message = rk::catalog::FailedToLoadText(library->FileName());
            return false;
        }
    }
    return true;
}

bool CRkCatalogApi::CatalogTcpipNode(const std::string& nodeName, const std::string& hostName,
                                     const std::string& serviceName, std::string& message)
{
    rk::db2::TcpipNodeRecords records = rk::db2::MakeTcpipNodeRecords(nodeName, hostName, serviceName);
    rk::db2::Sqlca ca{};
    m_appLib.sqlectnd_api(records.node.data(), records.protocol.data(), &ca);
    return Succeeded(ca, message);
}

bool CRkCatalogApi::CatalogRemoteDatabase(const std::string& databaseName, const std::string& nodeName,
                                          std::string& message)
{
    std::string name = databaseName;
    std::string alias = databaseName;
    std::string node = nodeName;
    rk::db2::Sqlca ca{};
    m_appLib.sqlecadb_api(name.data(), alias.data(), rk::db2::kEntryTypeRemote, node.data(), nullptr, nullptr,
                          rk::db2::kAuthenticationNotSpecified, nullptr, &ca);
    return Succeeded(ca, message);
}

bool CRkCatalogApi::UncatalogDatabase(const std::string& alias, std::string& message)
{
    std::string text = alias;
    rk::db2::Sqlca ca{};
    m_appLib.sqleuncd_api(text.data(), &ca);
    return Succeeded(ca, message);
}

bool CRkCatalogApi::UncatalogNode(const std::string& nodeName, std::string& message)
{
    std::string text = nodeName;
    rk::db2::Sqlca ca{};
    m_appLib.sqleuncn_api(text.data(), &ca);
    return Succeeded(ca, message);
}

bool CRkCatalogApi::Succeeded(const rk::db2::Sqlca& ca, std::string& message) const
{
    if (rk::db2::Sqlcode(ca) == 0)
        return true;
    message = m_sysLib.GetErrorText(ca);
    return false;
}
