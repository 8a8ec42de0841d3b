#include "os/Socket.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <arpa/inet.h>

namespace rk::os {
namespace {

NetError SystemError(int code) { return {code, std::strerror(code)}; }

// Waits until the socket is ready for `events` or the time is up.
int Wait(int fd, short events, int timeoutMs)
{
    pollfd descriptor{fd, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&descriptor, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready;
}

} // namespace

bool ResolveHost(const std::string& host, const std::string& port, std::vector<SocketAddress>& addresses,
                 NetError& error)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int result = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &found);
    if (result != 0) {
        error = {result, ::gai_strerror(result)};
        return false;
    }
    for (const addrinfo* info = found; info != nullptr; info = info->ai_next) {
        SocketAddress address;
        address.ipv6 = info->ai_family == AF_INET6;
        const auto* bytes = reinterpret_cast<const unsigned char*>(info->ai_addr);
        address.bytes.assign(bytes, bytes + info->ai_addrlen);
        char text[INET6_ADDRSTRLEN] = {};
        const void* raw = address.ipv6
                              ? static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(info->ai_addr)->sin6_addr)
                              : static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(info->ai_addr)->sin_addr);
        ::inet_ntop(info->ai_family, raw, text, sizeof text);
        address.text = text;
        addresses.push_back(std::move(address));
    }
    ::freeaddrinfo(found);
    return true;
}

int ConnectionRefusedCode() { return ECONNREFUSED; }
int TimedOutCode() { return ETIMEDOUT; }

bool TcpConnection::Connect(const SocketAddress& address, int timeoutMs, NetError& error)
{
    Close();
    const auto* target = reinterpret_cast<const sockaddr*>(address.bytes.data());
    const int fd = ::socket(target->sa_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = SystemError(errno);
        return false;
    }
    m_socket = fd;
    const int flags = ::fcntl(fd, F_GETFL, 0);
    ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    if (::connect(fd, target, static_cast<socklen_t>(address.bytes.size())) != 0) {
        if (errno != EINPROGRESS) {
            error = SystemError(errno);
            Close();
            return false;
        }
        const int ready = Wait(fd, POLLOUT, timeoutMs);
        int code = 0;
        socklen_t length = sizeof code;
        if (ready <= 0)
            code = ready == 0 ? ETIMEDOUT : errno;
        else if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &code, &length) != 0)
            code = errno;
        if (code != 0) {
            error = SystemError(code);
            Close();
            return false;
        }
    }
    ::fcntl(fd, F_SETFL, flags);
    return true;
}

bool TcpConnection::SendAll(const void* data, std::size_t size, NetError& error)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t sent = ::send(static_cast<int>(m_socket), bytes, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0) {
            error = SystemError(errno);
            return false;
        }
        bytes += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

long TcpConnection::Receive(void* data, std::size_t size, int timeoutMs, NetError& error)
{
    const int ready = Wait(static_cast<int>(m_socket), POLLIN, timeoutMs);
    if (ready <= 0) {
        error = SystemError(ready == 0 ? ETIMEDOUT : errno);
        return -1;
    }
    ssize_t received = 0;
    do {
        received = ::recv(static_cast<int>(m_socket), data, size, 0);
    } while (received < 0 && errno == EINTR);
    if (received < 0)
        error = SystemError(errno);
    return static_cast<long>(received);
}

void TcpConnection::Close()
{
    if (m_socket != -1)
        ::close(static_cast<int>(m_socket));
    m_socket = -1;
}

bool TcpListener::ListenOnLoopback(int backlog, NetError& error)
{
    Close();
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = SystemError(errno);
        return false;
    }
    m_socket = fd;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, backlog) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error = SystemError(errno);
        Close();
        return false;
    }
    m_port = ntohs(address.sin_port);
    return true;
}

bool TcpListener::Accept(TcpConnection& connection, int timeoutMs, NetError& error)
{
    connection.Close();
    const int ready = Wait(static_cast<int>(m_socket), POLLIN, timeoutMs);
    if (ready <= 0) {
        error = SystemError(ready == 0 ? ETIMEDOUT : errno);
        return false;
    }
    const int fd = ::accept4(static_cast<int>(m_socket), nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
        error = SystemError(errno);
        return false;
    }
    connection.m_socket = fd;
    return true;
}

void TcpListener::Close()
{
    if (m_socket != -1)
        ::close(static_cast<int>(m_socket));
    m_socket = -1;
    m_port = 0;
}

} // namespace rk::os
