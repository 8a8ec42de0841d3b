#include "Diagnosis.h"

#include "db2/CliMessages.h"

namespace rkdb2 {

namespace cli = rk::db2::cli;

Diagnosis AliasNotFound(const std::string& alias, bool fullClient)
{
    if (!fullClient)
        return {cli::kSqlcodeDsnNotFound,
                cli::DsnNotFoundText(alias),
                {"neither db2dsdriver.cfg nor db2cli.ini defines the name: rkdb2 sources lists what they define",
                 "the files this client reads are not the ones that were edited: rkdb2 status names them "
                 "(DB2DSDRIVER_CFG_PATH and DB2CLIINIPATH choose others)"}};
    return {cli::kSqlcodeAliasNotFound,
            cli::AliasNotFoundText(alias),
            {"the alias is not catalogued in this client's database directory: rkdb2 list shows what is, and "
             "rkdb2 catalog-database adds it",
             "it is catalogued in another DB2 copy or instance than this program uses (DB2INSTANCE, the "
             "default instance: rkdb2 status)",
             "it is defined in a db2cli.ini or db2dsdriver.cfg this client does not read: rkdb2 status names "
             "the files it reads"}};
}

Diagnosis NodeNotFound(const std::string& alias, const std::string& node)
{
    return {cli::kSqlcodeNodeNotFound,
            cli::NodeNotFoundText(),
            {"node " + node + " was uncatalogued while database " + alias +
                 " still names it: catalog the node again (rkdb2 catalog-node " + node +
                 " --host ... --port ...), or uncatalog the database (rkdb2 uncatalog-database " + alias + ")",
             "the database was catalogued at a node of another name than intended: rkdb2 show " + alias}};
}

Diagnosis HostNotFound(const std::string& host)
{
    return {cli::kSqlcodeHostNotFound,
            cli::HostNotFoundText(host),
            {"the host name " + host + " in the node or file is misspelt",
             "the name is in neither DNS nor this machine's hosts file", "this machine cannot reach its DNS server"}};
}

Diagnosis NoAddressOfFamily(const std::string& host, bool ipv4)
{
    const std::string family = ipv4 ? "IPv4" : "IPv6";
    return {cli::kSqlcodeHostNotFound,
            cli::HostNotFoundText(host),
            {"the node is catalogued for " + family + " only (" + (ipv4 ? "TCPIP4" : "TCPIP6") + "), and " + host +
                 " has no " + family + " address: catalog the node as TCPIP",
             "the host name is misspelt, and the name it resolves to is another machine"}};
}

Diagnosis ServiceNotFound(const std::string& host, const std::string& service)
{
    return {cli::kSqlcodeCommunicationError,
            cli::CommunicationErrorText(host, "getservbyname", "*"),
            {"the service name " + service +
                 " is not in this machine's services file: add it with the server's port, or catalog the node "
                 "with the port number (rkdb2 catalog-node ... --port N)",
             "the service name is misspelt in the node"}};
}

Diagnosis ConnectFailed(const std::string& location, const rk::os::NetError& error, int timeoutSeconds)
{
    Diagnosis diagnosis{
        cli::kSqlcodeCommunicationError, cli::CommunicationErrorText(location, "connect", error.code), {}};
    if (error.code == rk::os::ConnectionRefusedCode())
        diagnosis.causes = {
            "the node's host or port is wrong: rkdb2 show names them; the server's port is its instance's SVCENAME",
            "the server instance does not listen on TCP/IP: its DB2COMM registry variable lacks TCPIP",
            "the server instance's SVCENAME is not set, or names another port than the node",
            "the server instance is not started (db2start)"};
    else if (error.code == rk::os::TimedOutCode())
        diagnosis.causes = {"a firewall between this machine and the server drops the connection",
                            "the host address is wrong, or the server machine is down",
                            "the network is slow: try again with a --timeout longer than " +
                                std::to_string(timeoutSeconds) + " s"};
    else
        diagnosis.causes = {"the network refused the connection: " + error.text,
                            "the host address is wrong, or no route leads from this machine to it"};
    return diagnosis;
}

Diagnosis TlsFailed(const std::string& location, const rk::os::TlsError& error)
{
    const int code = error.kind == rk::os::TlsFailure::kClosed ? cli::kGskErrorSocketClosed : cli::kGskErrorIo;
    Diagnosis diagnosis{
        cli::kSqlcodeCommunicationError, cli::CommunicationErrorText(location, cli::kTlsFunction, code), {}};
    if (error.kind == rk::os::TlsFailure::kSystem) {
        diagnosis.causes = {"this machine's TLS library cannot start: " + error.text};
        return diagnosis;
    }
    diagnosis.causes = {
        "the node's port is the server's plain port, not its SSL port: the server's SSL_SVCENAME names that one; "
        "catalog the node at it",
        "the server instance has no SSL set up: its DB2COMM lacks SSL, or SSL_SVR_KEYDB and SSL_SVR_STASH are "
        "not set",
        "the server accepts no TLS version or cipher this machine offers"};
    if (error.kind == rk::os::TlsFailure::kTimedOut)
        diagnosis.causes.insert(diagnosis.causes.begin(),
                                "the server did not answer the handshake: a plain DB2 port waits for DRDA instead");
    return diagnosis;
}

Diagnosis CertificateExpired(const std::string& location, const rk::os::TlsPeer& peer)
{
    return {cli::kSqlcodeCommunicationError,
            cli::CommunicationErrorText(location, cli::kTlsFunction, cli::kGskErrorBadCertificate),
            {"the server's certificate (" + peer.subject + ") expired on " + peer.notAfter +
                 ": the server's administrator must renew it",
             "this machine's clock is wrong"}};
}

Diagnosis ConnectionRefused(int sqlcode, const std::string& message)
{
    Diagnosis diagnosis{sqlcode, message, {}};
    if (sqlcode == cli::kSqlcodeSecurityFailed)
        diagnosis.causes = {"the user name or the password is wrong",
                            "the password has expired, or the user is locked, on the server",
                            "the server wants another authentication type than the one catalogued: rkdb2 show"};
    else if (sqlcode == cli::kSqlcodeCommunicationError)
        diagnosis.causes = {"the server closed the connection after it was opened: its diagnostic log says why",
                            "a firewall or proxy between lets the connection open but not the DB2 protocol"};
    else
        diagnosis.causes = {"the message above says why, in DB2's words"};
    return diagnosis;
}

} // namespace rkdb2
