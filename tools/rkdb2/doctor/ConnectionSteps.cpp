#include "ConnectionSteps.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "CatalogKeywords.h"
#include "Catalogue.h"
#include "DataSourceListing.h"
#include "db2/ByteLayout.h"
#include "db2/Db2Names.h"
#include "os/Socket.h"

namespace rkdb2 {
namespace {

using Clock = std::chrono::steady_clock;

long long MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Where the alias leads, as the client resolves it.
struct Target {
    std::string source;
    std::string database;
    std::string node; // a directory entry's
    std::string host; // empty for a local database
    std::string port;
    std::uint16_t protocol = RKDB2_PROTOCOL_TCPIP;
    bool ssl = false;
};

bool IsNumber(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

class StepRunner {
public:
    StepRunner(rk::host::HostLibrary& library, const ConnectionCheck& check, ConnectionReport& report)
        : m_library(library), m_check(check), m_report(report)
    {
    }

    void Run(const DataSourceListing& sources, const Catalogue& catalogue)
    {
        Target target;
        const bool local = Begin("alias") && ResolveAlias(sources, catalogue, target) && target.host.empty();
        std::vector<rk::os::SocketAddress> addresses;
        std::optional<rk::os::SocketAddress> reached;
        if (local) {
            for (const char* name : {"host", "tcp", "tls"})
                Skip(name, "a local database: no network between");
        } else {
            if (Begin("host"))
                ResolveAddresses(target, addresses);
            if (Begin("tcp"))
                reached = ConnectToEach(addresses);
            if (!m_report.Failed() && !target.ssl)
                Skip("tls", "the entry is not SSL");
            else if (Begin("tls"))
                Handshake(target, *reached);
        }
        if (!m_report.Failed() && !m_check.user)
            Skip("connect", "no --user given");
        else if (Begin("connect"))
            TestConnection();
    }

private:
    rk::host::HostLibrary& m_library;
    const ConnectionCheck& m_check;
    ConnectionReport& m_report;
    Clock::time_point m_started;

    int TimeoutMs() const { return m_check.timeoutSeconds * 1000; }

    // Starts the step `name`; false (and it is skipped) after a failed one.
    bool Begin(const char* name)
    {
        if (m_report.Failed()) {
            Skip(name, "after a failed step");
            return false;
        }
        Step step;
        step.name = name;
        m_report.steps.push_back(step);
        m_started = Clock::now();
        return true;
    }
    Step& Current() { return m_report.steps.back(); }
    void Skip(const char* name, const std::string& why)
    {
        Step step;
        step.name = name;
        step.detail = why;
        m_report.steps.push_back(step);
    }
    bool Pass(const std::string& detail)
    {
        Current().outcome = StepOutcome::kPassed;
        Current().milliseconds = MillisecondsSince(m_started);
        Current().detail = detail;
        return true;
    }
    bool Fail(const std::string& detail, Diagnosis diagnosis)
    {
        Current().outcome = StepOutcome::kFailed;
        Current().milliseconds = MillisecondsSince(m_started);
        Current().detail = detail;
        m_report.diagnosis = std::move(diagnosis);
        return false;
    }

    bool ResolveAlias(const DataSourceListing& sources, const Catalogue& catalogue, Target& target)
    {
        const auto winner = std::find_if(sources.sources.begin(), sources.sources.end(), [&](const auto& record) {
            return rk::db2::EqualIgnoringCase(record.alias, m_check.alias);
        });
        // An orphan or a local database is no data source of the list, or one without a host.
        const auto orphan = std::find_if(catalogue.orphans.begin(), catalogue.orphans.end(), [&](const auto& d) {
            return rk::db2::EqualIgnoringCase(d.alias, m_check.alias);
        });
        if (winner == sources.sources.end() || winner->source == RKDB2_SOURCE_DIRECTORY) {
            if (orphan != catalogue.orphans.end())
                return Fail("database " + orphan->alias + " of the directory names node " + orphan->node +
                                ", which is not catalogued",
                            NodeNotFound(orphan->alias, orphan->node));
        }
        if (winner == sources.sources.end())
            return Fail(m_check.alias + " is in none of the client's sources",
                        AliasNotFound(m_check.alias, sources.files.clientKind == RKDB2_CLIENT_FULL));
        target.source = SourceText(winner->source);
        target.database = winner->databaseName;
        target.host = winner->hostName;
        target.port = winner->port;
        target.protocol = winner->protocol;
        target.ssl = winner->security == RKDB2_SECURITY_SSL;
        std::string where = "the directory";
        if (winner->source == RKDB2_SOURCE_DIRECTORY) {
            for (const auto& database : catalogue.databases)
                if (rk::db2::EqualIgnoringCase(database.alias, m_check.alias))
                    target.node = database.node;
            if (!target.node.empty())
                where += ", node " + target.node;
        } else {
            where = PlaceText(*winner);
        }
        std::string detail = std::string(winner->alias) + " in " + where + ": database " + target.database;
        if (target.host.empty())
            return Pass(detail + ", local");
        const char* protocol = KeywordOf(Keywords::kProtocol, target.protocol);
        detail += " at " + target.host + ":" + target.port + " (" + (protocol != nullptr ? protocol : "TCPIP") +
                  (target.ssl ? ", SSL" : "") + ")";
        return Pass(detail);
    }

    bool ResolveAddresses(const Target& target, std::vector<rk::os::SocketAddress>& addresses)
    {
        rk::os::NetError error;
        if (!rk::os::ResolveHost(target.host, target.port, addresses, error)) {
            rk::os::NetError hostError;
            std::vector<rk::os::SocketAddress> any;
            if (!IsNumber(target.port) && rk::os::ResolveHost(target.host, "0", any, hostError))
                return Fail("service name " + target.port + ": " + error.text,
                            ServiceNotFound(target.host, target.port));
            return Fail(target.host + ": " + error.text, HostNotFound(target.host));
        }
        // A TCPIP4 or TCPIP6 node takes the addresses of its family only.
        if (target.protocol == RKDB2_PROTOCOL_TCPIP4 || target.protocol == RKDB2_PROTOCOL_TCPIP6) {
            const bool ipv6 = target.protocol == RKDB2_PROTOCOL_TCPIP6;
            addresses.erase(std::remove_if(addresses.begin(), addresses.end(),
                                           [&](const auto& address) { return address.ipv6 != ipv6; }),
                            addresses.end());
            if (addresses.empty())
                return Fail(target.host + " has no " + (ipv6 ? "IPv6" : "IPv4") + " address",
                            NoAddressOfFamily(target.host, !ipv6));
        }
        std::string list;
        for (const auto& address : addresses) {
            // The resolver gives an address once per socket type it could serve.
            if (std::find(Current().addresses.begin(), Current().addresses.end(), address.text) !=
                Current().addresses.end())
                continue;
            Current().addresses.push_back(address.text);
            list += (list.empty() ? "" : ", ") + address.text;
        }
        return Pass(target.host + ": " + list);
    }

    std::optional<rk::os::SocketAddress> ConnectToEach(const std::vector<rk::os::SocketAddress>& addresses)
    {
        std::optional<rk::os::SocketAddress> reached;
        rk::os::NetError lastError;
        std::string lastAddress;
        std::string detail;
        for (const auto& address : addresses) {
            AddressAttempt attempt;
            attempt.address = address.text;
            const auto started = Clock::now();
            rk::os::TcpConnection connection;
            attempt.connected = connection.Connect(address, TimeoutMs(), attempt.error);
            attempt.milliseconds = MillisecondsSince(started);
            detail += (detail.empty() ? "" : "; ") + address.text + ": " +
                      (attempt.connected ? std::string("open")
                                         : attempt.error.text + " (" + std::to_string(attempt.error.code) + ")");
            if (attempt.connected && !reached)
                reached = address;
            if (!attempt.connected) {
                lastError = attempt.error;
                lastAddress = address.text;
            }
            Current().attempts.push_back(attempt);
        }
        if (reached)
            Pass(detail);
        else
            Fail(detail, ConnectFailed(lastAddress, lastError, m_check.timeoutSeconds));
        return reached;
    }

    bool Handshake(const Target& target, const rk::os::SocketAddress& address)
    {
        rk::os::TcpConnection connection;
        rk::os::NetError netError;
        if (!connection.Connect(address, TimeoutMs(), netError))
            return Fail(address.text + ": " + netError.text,
                        ConnectFailed(address.text, netError, m_check.timeoutSeconds));
        rk::os::TlsPeer peer;
        rk::os::TlsError error;
        if (!rk::os::TlsHandshake(connection, target.host, TimeoutMs(), peer, error))
            return Fail(error.text, TlsFailed(address.text, error));
        Current().tls = peer;
        const std::string detail = peer.protocol + "; certificate " + peer.subject + ", issued by " + peer.issuer +
                                   ", valid until " + peer.notAfter;
        if (peer.expired)
            return Fail(detail + " (expired)", CertificateExpired(address.text, peer));
        return Pass(detail + " (the DB2 client judges it against its own keystore)");
    }

    bool TestConnection()
    {
        char dbmsName[RKDB2_DBMS_NAME_SIZE] = {};
        std::vector<char> message(RKDB2_CONNECT_MESSAGE_MAX, '\0');
        const int result = m_library.RkConnect(m_check.alias.c_str(), m_check.user->c_str(), m_check.password.c_str(),
                                               dbmsName, message.data());
        if (result == 1) {
            const std::string name(rk::bytes::TextUpToNul(dbmsName, sizeof dbmsName));
            return Pass("connected as " + *m_check.user + (name.empty() ? "" : "; the server is " + name));
        }
        // The first diagnostic record: its native error and its text.
        const std::string text(message.data());
        const std::string nativeLabel = "Native Error Code = ";
        int sqlcode = 0;
        std::string first = text;
        if (const auto at = text.find(nativeLabel); at != std::string::npos) {
            sqlcode = std::atoi(text.c_str() + at + nativeLabel.size());
            const auto lineStart = text.find('\n', at);
            const auto lineEnd = lineStart == std::string::npos ? lineStart : text.find('\n', lineStart + 1);
            if (lineStart != std::string::npos)
                first = text.substr(lineStart + 1, lineEnd == std::string::npos ? lineEnd : lineEnd - lineStart - 1);
        }
        return Fail("not connected", ConnectionRefused(sqlcode, first.empty() ? "(no diagnostics)" : first));
    }
};

} // namespace

const char* OutcomeText(StepOutcome outcome)
{
    switch (outcome) {
    case StepOutcome::kPassed: return "passed";
    case StepOutcome::kFailed: return "failed";
    case StepOutcome::kSkipped: break;
    }
    return "skipped";
}

bool CheckConnection(rk::host::HostLibrary& library, const ConnectionCheck& check, ConnectionReport& report,
                     std::string& error)
{
    report = ConnectionReport();
    report.alias = check.alias;
    DataSourceListing sources;
    if (!ListDataSources(library, sources, error))
        return false;
    // The directory's own view, for a database's node and the databases whose node is gone.
    Catalogue catalogue;
    std::string catalogueError;
    ReadCatalogue(library, catalogue, catalogueError);
    StepRunner(library, check, report).Run(sources, catalogue);
    return true;
}

} // namespace rkdb2
