#include "os/TlsClient.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

namespace rk::os {
namespace {

struct ContextFree {
    void operator()(SSL_CTX* context) const { SSL_CTX_free(context); }
};
struct SessionFree {
    void operator()(SSL* session) const { SSL_free(session); }
};
struct CertificateFree {
    void operator()(X509* certificate) const { X509_free(certificate); }
};
struct BioFree {
    void operator()(BIO* bio) const { BIO_free(bio); }
};

std::string OpenSslText(const char* fallback)
{
    const unsigned long code = ERR_get_error();
    ERR_clear_error();
    if (code == 0)
        return fallback;
    char text[256] = {};
    ERR_error_string_n(code, text, sizeof text);
    return text;
}

bool IsNumericAddress(const std::string& host)
{
    unsigned char bytes[16];
    return ::inet_pton(AF_INET, host.c_str(), bytes) == 1 || ::inet_pton(AF_INET6, host.c_str(), bytes) == 1;
}

// "CN=db2.example.com, O=Example": most specific first, as Windows writes it.
constexpr unsigned long kNameFlags =
    XN_FLAG_SEP_CPLUS_SPC | XN_FLAG_DN_REV | XN_FLAG_FN_SN | (ASN1_STRFLGS_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);

std::string NameText(X509_NAME* name)
{
    const std::unique_ptr<BIO, BioFree> out(BIO_new(BIO_s_mem()));
    if (!out || X509_NAME_print_ex(out.get(), name, 0, kNameFlags) < 0)
        return "";
    char* data = nullptr;
    const long length = BIO_get_mem_data(out.get(), &data);
    return std::string(data, static_cast<std::size_t>(length));
}

std::string TimeText(const ASN1_TIME* time)
{
    std::tm parts{};
    if (ASN1_TIME_to_tm(time, &parts) != 1)
        return "";
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &parts);
    return text;
}

void ReadCertificate(SSL* session, TlsPeer& peer)
{
    const std::unique_ptr<X509, CertificateFree> certificate(SSL_get1_peer_certificate(session));
    if (!certificate)
        return;
    peer.subject = NameText(X509_get_subject_name(certificate.get()));
    peer.issuer = NameText(X509_get_issuer_name(certificate.get()));
    peer.notAfter = TimeText(X509_get0_notAfter(certificate.get()));
    peer.expired = X509_cmp_current_time(X509_get0_notAfter(certificate.get())) < 0;
}

// What the session wrote, sent on.
bool Flush(BIO* written, TcpConnection& connection, TlsError& error)
{
    char buffer[16384];
    for (int pending; (pending = BIO_read(written, buffer, sizeof buffer)) > 0;) {
        NetError sendError;
        if (!connection.SendAll(buffer, static_cast<std::size_t>(pending), sendError)) {
            error = {TlsFailure::kClosed, sendError.text};
            return false;
        }
    }
    return true;
}

} // namespace

bool TlsHandshake(TcpConnection& connection, const std::string& serverName, int timeoutMs, TlsPeer& peer,
                  TlsError& error)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const std::unique_ptr<SSL_CTX, ContextFree> context(SSL_CTX_new(TLS_client_method()));
    if (!context) {
        error = {TlsFailure::kSystem, OpenSslText("the TLS library cannot start")};
        return false;
    }
    SSL_CTX_set_verify(context.get(), SSL_VERIFY_NONE, nullptr);
    const std::unique_ptr<SSL, SessionFree> session(SSL_new(context.get()));
    BIO* received = BIO_new(BIO_s_mem());
    BIO* written = BIO_new(BIO_s_mem());
    if (!session || received == nullptr || written == nullptr) {
        BIO_free(received);
        BIO_free(written);
        error = {TlsFailure::kSystem, OpenSslText("the TLS library cannot start")};
        return false;
    }
    SSL_set_bio(session.get(), received, written); // the session owns both now
    if (!serverName.empty() && !IsNumericAddress(serverName))
        SSL_set_tlsext_host_name(session.get(), serverName.c_str());
    SSL_set_connect_state(session.get());

    std::vector<char> buffer(16384);
    for (;;) {
        const int result = SSL_do_handshake(session.get());
        if (!Flush(written, connection, error))
            return false;
        if (result == 1)
            break;
        const int reason = SSL_get_error(session.get(), result);
        if (reason != SSL_ERROR_WANT_READ) {
            error = {TlsFailure::kHandshake, OpenSslText("the handshake failed")};
            return false;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            error = {TlsFailure::kTimedOut, "no answer to the handshake within the time"};
            return false;
        }
        NetError receiveError;
        const long count =
            connection.Receive(buffer.data(), buffer.size(), static_cast<int>(left.count()), receiveError);
        if (count == 0) {
            error = {TlsFailure::kClosed, "the server closed the connection during the handshake"};
            return false;
        }
        if (count < 0) {
            const bool timedOut = receiveError.code == TimedOutCode();
            error = {timedOut ? TlsFailure::kTimedOut : TlsFailure::kClosed,
                     timedOut ? "no answer to the handshake within the time" : receiveError.text};
            return false;
        }
        BIO_write(received, buffer.data(), static_cast<int>(count));
    }
    peer.protocol = SSL_get_version(session.get());
    ReadCertificate(session.get(), peer);
    return true;
}

} // namespace rk::os
