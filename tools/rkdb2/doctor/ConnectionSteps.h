#pragma once
// A connection taken apart the way an administrator checks it by hand:
// the alias resolved as the client resolves it, the host name resolved,
// a TCP connection to each address, the TLS handshake where the entry is
// SSL, then the library's connection test. The first failing step ends the
// run and gives the diagnosis.

#include <optional>
#include <string>
#include <vector>

#include "Diagnosis.h"
#include "HostLibrary.h"
#include "os/TlsClient.h"

namespace rkdb2 {

enum class StepOutcome { kPassed, kFailed, kSkipped };

struct AddressAttempt {
    std::string address;
    bool connected = false;
    long long milliseconds = 0;
    rk::os::NetError error; // when not connected
};

struct Step {
    const char* name = "";
    StepOutcome outcome = StepOutcome::kSkipped;
    long long milliseconds = 0;
    std::string detail;
    std::vector<std::string> addresses;   // the host step's
    std::vector<AddressAttempt> attempts; // the TCP step's
    std::optional<rk::os::TlsPeer> tls;   // the TLS step's
};

struct ConnectionReport {
    std::string alias;
    std::vector<Step> steps;
    std::optional<Diagnosis> diagnosis; // from the first failed step
    bool Failed() const { return diagnosis.has_value(); }
};

struct ConnectionCheck {
    std::string alias;
    int timeoutSeconds = 5;
    std::optional<std::string> user; // the connection test runs only with one
    std::string password;
};

// False with `error` only when the client's sources cannot be read at all.
bool CheckConnection(rk::host::HostLibrary& library, const ConnectionCheck& check, ConnectionReport& report,
                     std::string& error);

const char* OutcomeText(StepOutcome outcome);

} // namespace rkdb2
