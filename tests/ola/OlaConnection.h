#pragma once
// A connection of the test's own to the daemon on 127.0.0.1:9010, with OLA's
// client on a select server of its own; it never starts a daemon.

#include <memory>

#include <ola/client/OlaClient.h>
#include <ola/io/SelectServer.h>
#include <ola/network/IPV4Address.h>
#include <ola/network/SocketAddress.h>
#include <ola/network/TCPSocket.h>

namespace olatest {

class OlaConnection {
public:
    OlaConnection() = default;
    OlaConnection(const OlaConnection &) = delete;
    OlaConnection &operator=(const OlaConnection &) = delete;
    ~OlaConnection()
    {
        if (m_client)
            m_client->Stop();
        m_client.reset();
        if (m_socket) {
            m_select.RemoveReadDescriptor(m_socket.get());
            m_socket->Close();
        }
    }

    // False when no daemon answers or the client cannot be set up.
    bool connect()
    {
        const ola::network::IPV4SocketAddress daemon(ola::network::IPV4Address::Loopback(), 9010);
        m_socket.reset(ola::network::TCPSocket::Connect(daemon));
        if (!m_socket)
            return false;
        m_client = std::make_unique<ola::client::OlaClient>(m_socket.get());
        m_select.AddReadDescriptor(m_socket.get());
        return m_client->Setup();
    }
    ola::client::OlaClient &client() { return *m_client; }
    ola::io::SelectServer &select() { return m_select; }

private:
    std::unique_ptr<ola::network::TCPSocket> m_socket;
    ola::io::SelectServer m_select;
    std::unique_ptr<ola::client::OlaClient> m_client;
};

} // namespace olatest
