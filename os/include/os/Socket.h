#pragma once
// TCP for the stand-in's CLI and the tools: host names resolved, a
// connection made within a time limit, bytes sent and received. Winsock on
// Windows (started once per process), BSD sockets elsewhere.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rk::os {

// What a network call reports on failure: the system's code (WSAECONNREFUSED
// 10061 on Windows, ECONNREFUSED 111 on Linux, and so on; for a name that
// does not resolve, the resolver's) and its words.
struct NetError {
    int code = 0;
    std::string text;
};

struct SocketAddress {
    std::string text; // numeric: "127.0.0.1", "::1"
    bool ipv6 = false;
    std::vector<unsigned char> bytes; // the sockaddr
};

// Every address `host` resolves to for `port` (TCP), in the resolver's order.
bool ResolveHost(const std::string& host, const std::string& port, std::vector<SocketAddress>& addresses,
                 NetError& error);

// The codes of a refused connection and of one that timed out, as this
// platform reports them.
int ConnectionRefusedCode();
int TimedOutCode();

class TcpListener;

class TcpConnection {
public:
    TcpConnection() = default;
    ~TcpConnection() { Close(); }
    TcpConnection(const TcpConnection&) = delete;
    TcpConnection& operator=(const TcpConnection&) = delete;

    // Connects to `address`, giving up after `timeoutMs` milliseconds
    // (TimedOutCode() then).
    bool Connect(const SocketAddress& address, int timeoutMs, NetError& error);
    bool SendAll(const void* data, std::size_t size, NetError& error);
    // Up to `size` bytes within `timeoutMs`: the count, 0 when the peer
    // closed the connection, -1 on a failure or at the time limit.
    long Receive(void* data, std::size_t size, int timeoutMs, NetError& error);
    void Close();
    bool IsOpen() const { return m_socket != -1; }

private:
    friend class TcpListener;
    std::intptr_t m_socket = -1; // a SOCKET on Windows, a descriptor elsewhere
};

// A listening socket on the loopback address, for tests and tools that
// stand in for a server.
class TcpListener {
public:
    TcpListener() = default;
    ~TcpListener() { Close(); }
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    // Listens on 127.0.0.1 at a port the system picks, with room for
    // `backlog` connections not yet accepted.
    bool ListenOnLoopback(int backlog, NetError& error);
    int Port() const { return m_port; }
    // Takes the next connection within `timeoutMs`.
    bool Accept(TcpConnection& connection, int timeoutMs, NetError& error);
    void Close();

private:
    std::intptr_t m_socket = -1;
    int m_port = 0;
};

} // namespace rk::os
