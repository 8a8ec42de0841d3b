// rkdb2 catalog-node, catalog-database, uncatalog-node and uncatalog-database:
// one node or one database with every option the library takes, through
// RkCatalogNode, RkCatalogDatabaseAtNode, RkSetAlternateServer,
// RkUncatalogNode and RkUncatalogDatabase.

#include <cstdio>
#include <memory>
#include <string>

#include "CatalogKeywords.h"
#include "Catalogue.h"
#include "CatalogueFile.h"
#include "CataloguePlan.h"
#include "Command.h"

namespace {

int Report(bool ok, const std::string& done, const std::string& failed, const std::string& message)
{
    if (ok) {
        std::printf("%s\n", done.c_str());
        return rkdb2::kExitSuccess;
    }
    std::fprintf(stderr, "rkdb2: %s:\n%s\n", failed.c_str(), message.c_str());
    return rkdb2::kExitFailure;
}

class CatalogNodeCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "catalog-node"; }
    const char* Summary() const override { return "catalogs a TCP/IP node with its protocol, security and comment"; }
    const char* SuccessMeaning() const override { return "the node is catalogued"; }
    const char* FailureMeaning() const override { return "the library or DB2 refused it (the text is printed)"; }
    void Declare(CLI::App& command) override
    {
        command.add_option("NAME", m_node.name, "the node's name (1 to 8 of A-Z, 0-9, @, #, $)")->required();
        command.add_option("--host", m_node.host, "the server's host name or address")->required();
        auto* port = command.add_option("--port", m_port, "the server's port")->check(CLI::Range(1, 65535));
        command.add_option("--service", m_service, "the server's service name (instead of --port)")->excludes(port);
        auto* ipv4 = command.add_flag("--ipv4", m_ipv4, "TCP/IPv4 only (CATALOG TCPIP4 NODE)");
        command.add_flag("--ipv6", m_ipv6, "TCP/IPv6 only (CATALOG TCPIP6 NODE)")->excludes(ipv4);
        command.add_flag("--ssl", m_ssl, "connections to the node use SSL (SECURITY SSL)");
        command.add_option("--comment", m_node.comment, "at most 30 characters");
        command.add_option("--remote-instance", m_remoteInstance, "refused: DB2's node catalog API takes none");
        command.add_option("--system", m_system, "refused: DB2's node catalog API takes none");
        command.add_option("--ostype", m_osType, "refused: DB2's node catalog API takes none");
        command.footer("Without --port or --service the service is 50000. DB2's node catalog API (sqlectnd) has no "
                       "place for a remote instance, a system name or an OS type: DB2's command line sets them "
                       "(CATALOG TCPIP NODE ... REMOTE_INSTANCE I SYSTEM S OSTYPE T).");
    }
    int Run(rk::host::HostLibrary& library) override
    {
        if (!m_remoteInstance.empty() || !m_system.empty() || !m_osType.empty()) {
            std::fprintf(stderr, "rkdb2: DB2's node catalog API has no place for a remote instance, a system name "
                                 "or an OS type; catalog the node without them, or with DB2's command line: db2 "
                                 "catalog tcpip node ... remote_instance ... system ... ostype ...\n");
            return rkdb2::kExitUsage;
        }
        m_node.service = !m_service.empty() ? m_service : m_port != 0 ? std::to_string(m_port) : RKDB2_NODE_SERVICE;
        m_node.protocol = m_ipv4 ? RKDB2_PROTOCOL_TCPIP4 : m_ipv6 ? RKDB2_PROTOCOL_TCPIP6 : RKDB2_PROTOCOL_TCPIP;
        m_node.security = m_ssl ? RKDB2_SECURITY_SSL : RKDB2_SECURITY_NONE;
        std::string message;
        if (!rkdb2::CheckNodeArguments(m_node, message)) {
            std::fprintf(stderr, "rkdb2: %s\n", message.c_str());
            return rkdb2::kExitUsage;
        }
        const bool ok = rkdb2::LibraryCalls(library).catalogNode(m_node, message);
        return Report(ok,
                      "Catalogued node " + m_node.name + " (host " + m_node.host + ", service " + m_node.service +
                          (m_ssl ? ", SSL" : "") + ").",
                      "cannot catalog node " + m_node.name, message);
    }

private:
    rkdb2::CatalogueNode m_node;
    int m_port = 0;
    std::string m_service;
    bool m_ipv4 = false;
    bool m_ipv6 = false;
    bool m_ssl = false;
    std::string m_remoteInstance;
    std::string m_system;
    std::string m_osType;
};

class CatalogDatabaseCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "catalog-database"; }
    const char* Summary() const override
    {
        return "catalogs a remote database at a node, with authentication, comment and alternate server";
    }
    const char* SuccessMeaning() const override { return "the database (and its alternate server) is catalogued"; }
    const char* FailureMeaning() const override
    {
        return "the library or DB2 refused it (the text is printed); a database catalogued before its alternate "
               "server failed is uncatalogued again";
    }
    void Declare(CLI::App& command) override
    {
        command.add_option("ALIAS", m_database.alias, "the database's alias")->required();
        command.add_option("--node", m_database.node, "the node it is catalogued at")->required();
        command.add_option("--database", m_database.database, "the database's name on the server (default: ALIAS)");
        command.add_option("--authentication", m_authentication,
                           "one of " + rkdb2::KeywordList(rkdb2::Keywords::kAuthentication));
        command.add_option("--principal", m_database.principal, "the target principal of KERBEROS authentication");
        command.add_option("--comment", m_database.comment, "at most 30 characters");
        command.add_option("--alternate", m_alternate, "the alternate server, HOST:PORT")->type_name("HOST:PORT");
    }
    int Run(rk::host::HostLibrary& library) override
    {
        if (m_database.database.empty())
            m_database.database = m_database.alias;
        if (!m_authentication.empty()) {
            const auto code = rkdb2::CodeOf(rkdb2::Keywords::kAuthentication, m_authentication);
            if (!code) {
                std::fprintf(stderr, "rkdb2: --authentication %s is not one of %s\n", m_authentication.c_str(),
                             rkdb2::KeywordList(rkdb2::Keywords::kAuthentication).c_str());
                return rkdb2::kExitUsage;
            }
            m_database.authentication = *code;
        }
        if (!m_alternate.empty()) {
            const std::size_t colon = m_alternate.rfind(':');
            if (colon == std::string::npos || colon == 0 || colon + 1 == m_alternate.size()) {
                std::fprintf(stderr, "rkdb2: --alternate %s is not HOST:PORT\n", m_alternate.c_str());
                return rkdb2::kExitUsage;
            }
            m_database.altHost = m_alternate.substr(0, colon);
            m_database.altPort = m_alternate.substr(colon + 1);
        }
        std::string message;
        if (!rkdb2::CheckDatabaseArguments(m_database, message)) {
            std::fprintf(stderr, "rkdb2: %s\n", message.c_str());
            return rkdb2::kExitUsage;
        }
        const rkdb2::CatalogueCalls calls = rkdb2::LibraryCalls(library);
        if (!calls.catalogDatabase(m_database, message))
            return Report(false, "", "cannot catalog database " + m_database.alias, message);
        if (!m_database.altHost.empty() &&
            !calls.setAlternateServer(m_database.alias, m_database.altHost, m_database.altPort, message)) {
            std::string undo;
            calls.uncatalogDatabase(m_database.alias, undo);
            return Report(false, "",
                          "cannot set the alternate server of " + m_database.alias +
                              " (the database is uncatalogued again)",
                          message);
        }
        return Report(true, "Catalogued database " + m_database.alias + " at node " + m_database.node + ".", "", "");
    }

private:
    rkdb2::CatalogueDatabase m_database;
    std::string m_authentication;
    std::string m_alternate;
};

class UncatalogNodeCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "uncatalog-node"; }
    const char* Summary() const override { return "uncatalogs a node alone"; }
    const char* SuccessMeaning() const override { return "the node is uncatalogued"; }
    const char* FailureMeaning() const override { return "DB2 refused it (its error text is printed)"; }
    void Declare(CLI::App& command) override { command.add_option("NAME", m_name, "the node's name")->required(); }
    int Run(rk::host::HostLibrary& library) override
    {
        std::string message;
        const bool ok = rkdb2::LibraryCalls(library).uncatalogNode(m_name, message);
        return Report(ok, "Uncatalogued node " + m_name + ".", "cannot uncatalog node " + m_name, message);
    }

private:
    std::string m_name;
};

class UncatalogDatabaseCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "uncatalog-database"; }
    const char* Summary() const override { return "uncatalogs a database alone"; }
    const char* SuccessMeaning() const override { return "the database is uncatalogued"; }
    const char* FailureMeaning() const override { return "DB2 refused it (its error text is printed)"; }
    void Declare(CLI::App& command) override
    {
        command.add_option("ALIAS", m_alias, "the database's alias")->required();
    }
    int Run(rk::host::HostLibrary& library) override
    {
        std::string message;
        const bool ok = rkdb2::LibraryCalls(library).uncatalogDatabase(m_alias, message);
        return Report(ok, "Uncatalogued database " + m_alias + ".", "cannot uncatalog database " + m_alias, message);
    }

private:
    std::string m_alias;
};

const rkdb2::CommandRegistration catalogNode(std::make_unique<CatalogNodeCommand>());
const rkdb2::CommandRegistration catalogDatabase(std::make_unique<CatalogDatabaseCommand>());
const rkdb2::CommandRegistration uncatalogNode(std::make_unique<UncatalogNodeCommand>());
const rkdb2::CommandRegistration uncatalogDatabase(std::make_unique<UncatalogDatabaseCommand>());

} // namespace
