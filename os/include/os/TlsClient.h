#pragma once
// A TLS handshake as a client over a connected TcpConnection, to see what
// the server offers: the protocol version agreed and the server's
// certificate. Schannel on Windows, OpenSSL elsewhere. The certificate is
// read, not trusted or rejected: whom to trust is the caller's matter, not
// this machine's trust store's.

#include <string>

#include "os/Socket.h"

namespace rk::os {

struct TlsPeer {
    std::string protocol; // "TLSv1.2", "TLSv1.3", ...
    std::string subject;  // "CN=db2.example.com, O=Example"
    std::string issuer;
    std::string notAfter; // "2027-01-31 12:00:00 UTC"
    bool expired = false;
};

enum class TlsFailure {
    kClosed,    // the server closed the connection during the handshake
    kTimedOut,  // it did not answer within the time
    kHandshake, // it answered, but not with a TLS handshake we can complete
    kSystem,    // the TLS library could not start
};

struct TlsError {
    TlsFailure kind = TlsFailure::kHandshake;
    std::string text;
};

// Runs the handshake within `timeoutMs`; `serverName` goes into the
// handshake's server name indication unless it is a numeric address.
bool TlsHandshake(TcpConnection& connection, const std::string& serverName, int timeoutMs, TlsPeer& peer,
                  TlsError& error);

} // namespace rk::os
