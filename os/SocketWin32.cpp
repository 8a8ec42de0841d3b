#include "os/Socket.h"

#include <mutex>

#include <winsock2.h>
#include <ws2tcpip.h>

namespace rk::os {
namespace {

// Winsock's start, once per process; it stays started with the process.
bool Started()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] {
        WSADATA data;
        started = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    });
    return started;
}

NetError SystemError(int code)
{
    char text[512] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                          static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
    std::string words(text, length);
    while (!words.empty() &&
           (words.back() == '\n' || words.back() == '\r' || words.back() == ' ' || words.back() == '.'))
        words.pop_back();
    return {code, words.empty() ? "error " + std::to_string(code) : words};
}

SOCKET Raw(std::intptr_t socket) { return static_cast<SOCKET>(socket); }

// Waits until the socket is readable (or writable) or the time is up:
// 1 ready, 0 at the limit, -1 failed (with the socket's error for a connect).
int Wait(SOCKET socket, bool write, int timeoutMs)
{
    fd_set ready;
    fd_set failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(socket, &ready);
    FD_SET(socket, &failed);
    timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    const int result = ::select(0, write ? nullptr : &ready, write ? &ready : nullptr, &failed, &limit);
    if (result > 0 && FD_ISSET(socket, &failed))
        return -1;
    return result;
}

} // namespace

bool ResolveHost(const std::string& host, const std::string& port, std::vector<SocketAddress>& addresses,
                 NetError& error)
{
    if (!Started()) {
        error = SystemError(::WSAGetLastError());
        return false;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int result = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &found);
    if (result != 0) {
        error = SystemError(result);
        return false;
    }
    for (const addrinfo* info = found; info != nullptr; info = info->ai_next) {
        SocketAddress address;
        address.ipv6 = info->ai_family == AF_INET6;
        const auto* bytes = reinterpret_cast<const unsigned char*>(info->ai_addr);
        address.bytes.assign(bytes, bytes + info->ai_addrlen);
        char text[INET6_ADDRSTRLEN] = {};
        DWORD length = sizeof text;
        ::WSAAddressToStringA(info->ai_addr, static_cast<DWORD>(info->ai_addrlen), nullptr, text, &length);
        address.text = text;
        // The port follows the address in WSAAddressToString's text.
        const std::size_t colon = address.ipv6 ? address.text.find("]:") : address.text.rfind(':');
        if (address.ipv6 && !address.text.empty() && address.text[0] == '[')
            address.text = address.text.substr(1, colon == std::string::npos ? std::string::npos : colon - 1);
        else if (colon != std::string::npos)
            address.text.resize(colon);
        addresses.push_back(std::move(address));
    }
    ::freeaddrinfo(found);
    return true;
}

int ConnectionRefusedCode() { return WSAECONNREFUSED; }
int TimedOutCode() { return WSAETIMEDOUT; }

bool TcpConnection::Connect(const SocketAddress& address, int timeoutMs, NetError& error)
{
    Close();
    if (!Started()) {
        error = SystemError(::WSAGetLastError());
        return false;
    }
    const auto* target = reinterpret_cast<const sockaddr*>(address.bytes.data());
    const SOCKET socket = ::socket(target->sa_family, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) {
        error = SystemError(::WSAGetLastError());
        return false;
    }
    m_socket = static_cast<std::intptr_t>(socket);
    u_long nonBlocking = 1;
    ::ioctlsocket(socket, FIONBIO, &nonBlocking);
    if (::connect(socket, target, static_cast<int>(address.bytes.size())) != 0) {
        const int code = ::WSAGetLastError();
        if (code != WSAEWOULDBLOCK) {
            error = SystemError(code);
            Close();
            return false;
        }
        const int ready = Wait(socket, true, timeoutMs);
        int failure = 0;
        int length = sizeof failure;
        if (ready == 0)
            failure = WSAETIMEDOUT;
        else if (ready < 0 ||
                 ::getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&failure), &length) != 0 ||
                 failure != 0)
            failure = failure != 0 ? failure : WSAECONNREFUSED;
        if (failure != 0) {
            error = SystemError(failure);
            Close();
            return false;
        }
    }
    u_long blocking = 0;
    ::ioctlsocket(socket, FIONBIO, &blocking);
    return true;
}

bool TcpConnection::SendAll(const void* data, std::size_t size, NetError& error)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const int sent = ::send(Raw(m_socket), bytes, static_cast<int>(size > (1u << 20) ? (1u << 20) : size), 0);
        if (sent <= 0) {
            error = SystemError(::WSAGetLastError());
            return false;
        }
        bytes += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

long TcpConnection::Receive(void* data, std::size_t size, int timeoutMs, NetError& error)
{
    const int ready = Wait(Raw(m_socket), false, timeoutMs);
    if (ready <= 0) {
        error = SystemError(ready == 0 ? WSAETIMEDOUT : ::WSAGetLastError());
        return -1;
    }
    const int received = ::recv(Raw(m_socket), static_cast<char*>(data), static_cast<int>(size), 0);
    if (received < 0)
        error = SystemError(::WSAGetLastError());
    return received;
}

void TcpConnection::Close()
{
    if (m_socket != -1)
        ::closesocket(Raw(m_socket));
    m_socket = -1;
}

bool TcpListener::ListenOnLoopback(int backlog, NetError& error)
{
    Close();
    if (!Started()) {
        error = SystemError(::WSAGetLastError());
        return false;
    }
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) {
        error = SystemError(::WSAGetLastError());
        return false;
    }
    m_socket = static_cast<std::intptr_t>(socket);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(socket, backlog) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error = SystemError(::WSAGetLastError());
        Close();
        return false;
    }
    m_port = ntohs(address.sin_port);
    return true;
}

bool TcpListener::Accept(TcpConnection& connection, int timeoutMs, NetError& error)
{
    connection.Close();
    const int ready = Wait(Raw(m_socket), false, timeoutMs);
    if (ready <= 0) {
        error = SystemError(ready == 0 ? WSAETIMEDOUT : ::WSAGetLastError());
        return false;
    }
    const SOCKET accepted = ::accept(Raw(m_socket), nullptr, nullptr);
    if (accepted == INVALID_SOCKET) {
        error = SystemError(::WSAGetLastError());
        return false;
    }
    connection.m_socket = static_cast<std::intptr_t>(accepted);
    return true;
}

void TcpListener::Close()
{
    if (m_socket != -1)
        ::closesocket(Raw(m_socket));
    m_socket = -1;
    m_port = 0;
}

} // namespace rk::os
