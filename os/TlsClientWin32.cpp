#include "os/TlsClient.h"

#include <chrono>
#include <cstdio>
#include <vector>

// Winsock before windows.h, and windows.h before the security headers.
#include <winsock2.h>

#include <windows.h>

#define SECURITY_WIN32
#include <schannel.h>
#include <security.h>
#include <sspi.h>
#include <wincrypt.h>

#ifndef SP_PROT_TLS1_3_CLIENT
#define SP_PROT_TLS1_3_CLIENT 0x00002000
#endif

namespace rk::os {
namespace {

class Credentials {
public:
    Credentials()
    {
        SCHANNEL_CRED settings{};
        settings.dwVersion = SCHANNEL_CRED_VERSION;
        // The certificate is read, not judged; no client certificate is offered.
        settings.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
        TimeStamp expiry;
        m_status = ::AcquireCredentialsHandleA(nullptr, const_cast<char*>(UNISP_NAME_A), SECPKG_CRED_OUTBOUND, nullptr,
                                               &settings, nullptr, nullptr, &m_handle, &expiry);
    }
    ~Credentials()
    {
        if (m_status == SEC_E_OK)
            ::FreeCredentialsHandle(&m_handle);
    }
    Credentials(const Credentials&) = delete;
    Credentials& operator=(const Credentials&) = delete;
    SECURITY_STATUS Status() const { return m_status; }
    CredHandle* Handle() { return &m_handle; }

private:
    CredHandle m_handle{};
    SECURITY_STATUS m_status = SEC_E_INTERNAL_ERROR;
};

class SecurityContext {
public:
    SecurityContext() = default;
    ~SecurityContext()
    {
        if (m_valid)
            ::DeleteSecurityContext(&m_handle);
    }
    SecurityContext(const SecurityContext&) = delete;
    SecurityContext& operator=(const SecurityContext&) = delete;
    CtxtHandle* Handle() { return &m_handle; }
    bool Valid() const { return m_valid; }
    void SetValid() { m_valid = true; }

private:
    CtxtHandle m_handle{};
    bool m_valid = false;
};

std::string StatusText(SECURITY_STATUS status)
{
    char text[512] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                          static_cast<DWORD>(status), 0, text, sizeof text, nullptr);
    std::string words(text, length);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' '))
        words.pop_back();
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(status));
    return words.empty() ? std::string("Schannel status ") + code : words + " (" + code + ")";
}

std::string ProtocolText(DWORD protocol)
{
    if (protocol & SP_PROT_TLS1_3_CLIENT)
        return "TLSv1.3";
    if (protocol & SP_PROT_TLS1_2_CLIENT)
        return "TLSv1.2";
    if (protocol & SP_PROT_TLS1_1_CLIENT)
        return "TLSv1.1";
    if (protocol & SP_PROT_TLS1_0_CLIENT)
        return "TLSv1";
    if (protocol & SP_PROT_SSL3_CLIENT)
        return "SSLv3";
    return "unknown";
}

std::string NameText(CERT_NAME_BLOB& name)
{
    char text[1024] = {};
    const DWORD flags = CERT_X500_NAME_STR | CERT_NAME_STR_REVERSE_FLAG | CERT_NAME_STR_NO_QUOTING_FLAG;
    ::CertNameToStrA(X509_ASN_ENCODING, &name, flags, text, sizeof text);
    return text;
}

std::string TimeText(const FILETIME& time)
{
    SYSTEMTIME parts{};
    if (!::FileTimeToSystemTime(&time, &parts))
        return "";
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u UTC", parts.wYear, parts.wMonth, parts.wDay,
                  parts.wHour, parts.wMinute, parts.wSecond);
    return text;
}

void ReadPeer(CtxtHandle* context, TlsPeer& peer)
{
    SecPkgContext_ConnectionInfo info{};
    if (::QueryContextAttributesA(context, SECPKG_ATTR_CONNECTION_INFO, &info) == SEC_E_OK)
        peer.protocol = ProtocolText(info.dwProtocol);
    PCCERT_CONTEXT certificate = nullptr;
    if (::QueryContextAttributesA(context, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &certificate) != SEC_E_OK ||
        certificate == nullptr)
        return;
    peer.subject = NameText(certificate->pCertInfo->Subject);
    peer.issuer = NameText(certificate->pCertInfo->Issuer);
    peer.notAfter = TimeText(certificate->pCertInfo->NotAfter);
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    peer.expired = ::CompareFileTime(&certificate->pCertInfo->NotAfter, &now) < 0;
    ::CertFreeCertificateContext(certificate);
}

bool SendToken(SecBuffer& token, TcpConnection& connection, TlsError& error)
{
    if (token.pvBuffer == nullptr)
        return true;
    NetError sendError;
    const bool sent = token.cbBuffer == 0 || connection.SendAll(token.pvBuffer, token.cbBuffer, sendError);
    ::FreeContextBuffer(token.pvBuffer);
    token.pvBuffer = nullptr;
    if (!sent)
        error = {TlsFailure::kClosed, sendError.text};
    return sent;
}

} // namespace

bool TlsHandshake(TcpConnection& connection, const std::string& serverName, int timeoutMs, TlsPeer& peer,
                  TlsError& error)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    Credentials credentials;
    if (credentials.Status() != SEC_E_OK) {
        error = {TlsFailure::kSystem, StatusText(credentials.Status())};
        return false;
    }
    SecurityContext context;
    const DWORD wanted = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT | ISC_REQ_CONFIDENTIALITY |
                         ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM;
    std::vector<char> incoming; // what the server sent and Schannel has not taken yet
    std::vector<char> buffer(16384);
    bool read = false;
    for (;;) {
        if (read) {
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
            incoming.insert(incoming.end(), buffer.begin(), buffer.begin() + count);
        }

        SecBuffer input[2] = {{static_cast<unsigned long>(incoming.size()), SECBUFFER_TOKEN, incoming.data()},
                              {0, SECBUFFER_EMPTY, nullptr}};
        SecBufferDesc inputs{SECBUFFER_VERSION, 2, input};
        SecBuffer output{0, SECBUFFER_TOKEN, nullptr};
        SecBufferDesc outputs{SECBUFFER_VERSION, 1, &output};
        DWORD granted = 0;
        const bool first = !context.Valid();
        const SECURITY_STATUS status = ::InitializeSecurityContextA(
            credentials.Handle(), first ? nullptr : context.Handle(),
            first ? const_cast<char*>(serverName.c_str()) : nullptr, wanted, 0, 0, first ? nullptr : &inputs, 0,
            first ? context.Handle() : nullptr, &outputs, &granted, nullptr);
        if (first && (status == SEC_E_OK || status == SEC_I_CONTINUE_NEEDED))
            context.SetValid();
        if (!SendToken(output, connection, error))
            return false;
        if (status == SEC_E_OK)
            break;
        if (status == SEC_E_INCOMPLETE_MESSAGE) {
            read = true;
            continue;
        }
        if (status != SEC_I_CONTINUE_NEEDED && status != SEC_I_INCOMPLETE_CREDENTIALS) {
            error = {TlsFailure::kHandshake, StatusText(status)};
            return false;
        }
        // What Schannel did not take belongs to the next round.
        if (!first && input[1].BufferType == SECBUFFER_EXTRA && input[1].cbBuffer > 0) {
            incoming.erase(incoming.begin(), incoming.end() - static_cast<long>(input[1].cbBuffer));
            read = false;
        } else {
            incoming.clear();
            read = true;
        }
    }
    ReadPeer(context.Handle(), peer);
    return true;
}

} // namespace rk::os
