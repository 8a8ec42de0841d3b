// rkdb2 catalog HOST DATABASE and rkdb2 uncatalog ALIAS NODE: a remote
// TCP/IP database catalogued at a node named after its host, and removed
// again, through CatalogDatabase and UncatalogDatabase.

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "Command.h"
#include "db2/Db2Names.h"

namespace {

// DB2's error text has at most 1022 characters.
constexpr int kMessageSize = 1024;
constexpr std::size_t kNodeNameLength = RKDB2_NODE_NAME_LENGTH;

// The codes of the failures of the database step, which comes after the node
// step has catalogued the node: invalid alias or name, alias already there,
// an I/O error on the database directory (Windows, UNIX), eight scans open.
bool IsDatabaseStepFailure(const std::string& message)
{
    static const char* const kCodes[] = {"SQL1000N", "SQL1001N", "SQL1005N", "SQL1039C", "SQL10004C", "SQL1056N"};
    for (const char* code : kCodes) {
        const std::size_t length = std::strlen(code);
        if (message.compare(0, length, code) == 0 && (message.size() == length || message[length] == ' '))
            return true;
    }
    return false;
}

// The library's message without the line end DB2's last line brings.
std::string Text(const char* message)
{
    std::string text = message;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

int Catalog(rk::host::HostLibrary& library, const std::string& host, const std::string& database)
{
    // The library names the node after the host the same way.
    const std::string node = host.substr(0, kNodeNameLength);
    char message[kMessageSize] = {};
    if (library.CatalogDatabase(host.c_str(), database.c_str(), message, kMessageSize) == 1) {
        std::printf("Catalogued database %s at node %s (host %s, service %s).\n", database.c_str(), node.c_str(),
                    host.c_str(), RKDB2_NODE_SERVICE);
        return rkdb2::kExitSuccess;
    }
    std::fprintf(stderr, "rkdb2: cannot catalog database %s at host %s:\n%s\n", database.c_str(), host.c_str(),
                 Text(message).c_str());
    if (IsDatabaseStepFailure(message))
        std::fprintf(stderr,
                     "\nThe node %s was catalogued before the database step failed, and it stays catalogued: a "
                     "later catalog at host %s fails until it is removed, with DB2's command line: "
                     "db2 uncatalog node %s\n",
                     node.c_str(), host.c_str(), node.c_str());
    else if (!rk::db2::IsValidNodeName(node))
        std::fprintf(stderr,
                     "\nThe node name is the first %d characters of the host name, here \"%s\". DB2 takes only node "
                     "names of letters, digits, @, # and $ that do not start with a digit, so it refuses this one "
                     "(host names with dots and IP addresses always give such names). Catalog by a host name of at "
                     "most %d such characters instead: an alias of the server in the hosts file serves (/etc/hosts, "
                     "or C:\\Windows\\System32\\drivers\\etc\\hosts).\n",
                     static_cast<int>(kNodeNameLength), node.c_str(), static_cast<int>(kNodeNameLength));
    return rkdb2::kExitFailure;
}

int Uncatalog(rk::host::HostLibrary& library, const std::string& alias, const std::string& node)
{
    char message[kMessageSize] = {};
    if (library.UncatalogDatabase(alias.c_str(), node.c_str(), message, kMessageSize) == 1) {
        std::printf("Uncatalogued database %s and node %s.\n", alias.c_str(), node.c_str());
        return rkdb2::kExitSuccess;
    }
    std::fprintf(stderr, "rkdb2: cannot uncatalog database %s and node %s:\n%s\n", alias.c_str(), node.c_str(),
                 Text(message).c_str());
    return rkdb2::kExitFailure;
}

class CatalogCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "catalog"; }
    const char* Summary() const override { return "catalogs a remote TCP/IP database at a node named after HOST"; }
    const char* SuccessMeaning() const override { return "the node and the database are catalogued"; }
    const char* FailureMeaning() const override { return "DB2 refused a step (its error text is printed)"; }
    void Declare(CLI::App& command) override
    {
        command.add_option("HOST", m_host, "the server's host name; the node is named after its first 8 characters")
            ->required();
        command.add_option("DATABASE", m_database, "the database's name, also its alias")->required();
        command.footer("The node's service is " RKDB2_NODE_SERVICE ".");
    }
    int Run(rk::host::HostLibrary& library) override { return Catalog(library, m_host, m_database); }

private:
    std::string m_host;
    std::string m_database;
};

class UncatalogCommand final : public rkdb2::Command {
public:
    const char* Name() const override { return "uncatalog"; }
    const char* Summary() const override { return "uncatalogs the database ALIAS, then the node NODE"; }
    const char* SuccessMeaning() const override { return "the database and the node are uncatalogued"; }
    const char* FailureMeaning() const override { return "DB2 refused a step (its error text is printed)"; }
    void Declare(CLI::App& command) override
    {
        command.add_option("ALIAS", m_alias, "the database's alias")->required();
        command.add_option("NODE", m_node, "the node it is catalogued at")->required();
    }
    int Run(rk::host::HostLibrary& library) override { return Uncatalog(library, m_alias, m_node); }

private:
    std::string m_alias;
    std::string m_node;
};

const rkdb2::CommandRegistration catalogRegistration(std::make_unique<CatalogCommand>());
const rkdb2::CommandRegistration uncatalogRegistration(std::make_unique<UncatalogCommand>());

} // namespace
