#pragma once
// The diagnosis of a failed connection step: the message a DB2 client would
// show, with its SQLCODE, and the likely causes, most likely first, in the
// order IBM's own notes give them.

#include <string>
#include <vector>

#include "os/Socket.h"
#include "os/TlsClient.h"

namespace rkdb2 {

struct Diagnosis {
    int sqlcode = 0;
    std::string message;
    std::vector<std::string> causes;
};

Diagnosis AliasNotFound(const std::string& alias, bool fullClient);
Diagnosis NodeNotFound(const std::string& alias, const std::string& node);
Diagnosis HostNotFound(const std::string& host);
Diagnosis NoAddressOfFamily(const std::string& host, bool ipv4);
Diagnosis ServiceNotFound(const std::string& host, const std::string& service);
Diagnosis ConnectFailed(const std::string& location, const rk::os::NetError& error, int timeoutSeconds);
Diagnosis TlsFailed(const std::string& location, const rk::os::TlsError& error);
Diagnosis CertificateExpired(const std::string& location, const rk::os::TlsPeer& peer);
// The library's connection test failed with `message` (DB2's diagnostics).
Diagnosis ConnectionRefused(int sqlcode, const std::string& message);

} // namespace rkdb2
