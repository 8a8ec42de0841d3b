#include "db2/CRkCatalogSteps.h"

#include "db2/TcpipNodeRecords.h"

namespace {

// DB2 declares the texts of these calls writable, so each call gets copies
// of its own; an empty optional text goes as a null pointer.
char* OrNull(std::string& text) { return text.empty() ? nullptr : text.data(); }

} // namespace

bool CRkCatalogSteps::CatalogTcpipNode(const rk::db2::TcpipNodeSpec& node, std::string& message) const
{
    rk::db2::TcpipNodeRecords records = rk::db2::MakeTcpipNodeRecords(node);
    rk::db2::Sqlca ca{};
    m_appLib.sqlectnd_api(records.node.data(), records.protocol.data(), &ca);
    return Succeeded(ca, message);
}

bool CRkCatalogSteps::CatalogRemoteDatabase(const RemoteDatabaseSpec& database, std::string& message) const
{
    std::string name = database.databaseName;
    std::string alias = database.alias;
    std::string node = database.nodeName;
    std::string comment = database.comment;
    std::string principal = database.principal;
    rk::db2::Sqlca ca{};
    m_appLib.sqlecadb_api(name.data(), alias.data(), rk::db2::kEntryTypeRemote, node.data(), nullptr, OrNull(comment),
                          database.authentication, OrNull(principal), &ca);
    return Succeeded(ca, message);
}

bool CRkCatalogSteps::UncatalogDatabase(const std::string& alias, std::string& message) const
{
    std::string text = alias;
    rk::db2::Sqlca ca{};
    m_appLib.sqleuncd_api(text.data(), &ca);
    return Succeeded(ca, message);
}

bool CRkCatalogSteps::UncatalogNode(const std::string& nodeName, std::string& message) const
{
    std::string text = nodeName;
    rk::db2::Sqlca ca{};
    m_appLib.sqleuncn_api(text.data(), &ca);
    return Succeeded(ca, message);
}

bool CRkCatalogSteps::SetAlternateServer(const std::string& alias, const std::string& hostName,
                                         const std::string& portNumber, std::string& message) const
{
    std::string aliasText = alias;
    std::string host = hostName;
    std::string port = portNumber;
    rk::db2::AltServerParams parameters{aliasText.data(), OrNull(host), OrNull(port)};
    rk::db2::Sqlca ca{};
    m_appLib.db2UpdateAlternateServerForDB(rk::db2::kDbDirVersion, &parameters, &ca);
    return Succeeded(ca, message);
}

bool CRkCatalogSteps::Succeeded(const rk::db2::Sqlca& ca, std::string& message) const
{
    if (rk::db2::Sqlcode(ca) == 0)
        return true;
    message = m_sysLib.GetErrorText(ca);
    return false;
}
