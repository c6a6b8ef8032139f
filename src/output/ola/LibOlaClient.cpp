// The OLA client on OLA's own library (libola, LGPL, linked dynamically), built
// as a module of its own that the program loads when OLA is first used: the
// streaming client for the frames, a second connection with the ordinary
// client for the questions about ports. Never starts a daemon itself: one
// started by a library call would load every network plugin of its default
// settings.

#include <ola/Callback.h>
#include <ola/DmxBuffer.h>
#include <ola/client/OlaClient.h>
#include <ola/client/StreamingClient.h>
#include <ola/io/SelectServer.h>
#include <ola/network/IPV4Address.h>
#include <ola/network/SocketAddress.h>
#include <ola/network/TCPSocket.h>

#include "output/CompanionModule.h"
#include "output/OlaClientApi.h"

namespace korvanel {

namespace {

class LibOlaClient final : public OlaClientApi {
public:
    explicit LibOlaClient(std::uint16_t port) : m_port(port) {}
    ~LibOlaClient() override { disconnect(); }

    bool connect() override
    {
        disconnect();
        ola::client::StreamingClient::Options options;
        options.auto_start = false;
        options.server_port = m_port;
        m_stream = std::make_unique<ola::client::StreamingClient>(options);
        if (!m_stream->Setup())
            return false;

        const ola::network::IPV4SocketAddress daemon(ola::network::IPV4Address::Loopback(), m_port);
        m_socket.reset(ola::network::TCPSocket::Connect(daemon));
        if (!m_socket)
            return false;
        m_select = std::make_unique<ola::io::SelectServer>();
        m_client = std::make_unique<ola::client::OlaClient>(m_socket.get());
        m_select->AddReadDescriptor(m_socket.get());
        m_closed = false;
        if (!m_client->Setup())
            return false;
        // A question outstanding when the daemon goes is never answered, not even with a failure.
        // The client never deletes a handler that did not run: disconnect() does.
        m_closeHandler = ola::NewSingleCallback(this, &LibOlaClient::closed);
        m_client->SetCloseHandler(m_closeHandler);
        return true;
    }

    void disconnect() override
    {
        if (m_client) {
            m_client->Stop();
            m_client.reset();
        }
        // A handler that ran has deleted itself.
        if (!m_closed)
            delete m_closeHandler;
        m_closeHandler = nullptr;
        if (m_select && m_socket)
            m_select->RemoveReadDescriptor(m_socket.get());
        if (m_socket)
            m_socket->Close();
        m_select.reset();
        m_socket.reset();
        if (m_stream) {
            m_stream->Stop();
            m_stream.reset();
        }
        m_answer.reset();
    }

    bool send(std::uint16_t universe, std::span<const std::uint8_t, OlaSlotCount> frame) override
    {
        if (!m_stream)
            return false;
        m_buffer.Set(frame.data(), static_cast<unsigned int>(frame.size()));
        return m_stream->SendDmx(universe, m_buffer);
    }

    bool askPorts(std::uint16_t universe) override
    {
        if (!m_client)
            return false;
        m_answer.reset();
        m_askedUniverse = universe;
        m_client->FetchDeviceInfo(ola::OLA_PLUGIN_ALL, ola::NewSingleCallback(this, &LibOlaClient::devicesArrived));
        return true;
    }

    std::optional<OlaPortAnswer> pollPorts() override
    {
        if (!m_select)
            return OlaPortAnswer{};
        if (!m_answer)
            m_select->RunOnce(ola::TimeInterval(0, 0));
        if (!m_answer && m_closed)
            return OlaPortAnswer{};
        std::optional<OlaPortAnswer> answer = std::move(m_answer);
        m_answer.reset();
        return answer;
    }

private:
    void closed() { m_closed = true; }
    ola::SingleUseCallback0<void> *m_closeHandler = nullptr;

    void devicesArrived(const ola::client::Result &result, const std::vector<ola::client::OlaDevice> &devices)
    {
        OlaPortAnswer answer;
        answer.answered = result.Success();
        for (const ola::client::OlaDevice &device : devices) {
            for (const ola::client::OlaOutputPort &port : device.OutputPorts()) {
                if (port.IsActive() && port.Universe() == m_askedUniverse)
                    answer.outputPorts.push_back(device.Name() + " / " + port.Description());
            }
        }
        m_answer = std::move(answer);
    }

    const std::uint16_t m_port;
    std::unique_ptr<ola::client::StreamingClient> m_stream;
    std::unique_ptr<ola::network::TCPSocket> m_socket;
    std::unique_ptr<ola::io::SelectServer> m_select;
    std::unique_ptr<ola::client::OlaClient> m_client;
    ola::DmxBuffer m_buffer;
    unsigned int m_askedUniverse = 0;
    std::optional<OlaPortAnswer> m_answer;
    bool m_closed = false;
};

} // namespace

} // namespace korvanel

// The module's one entry (OlaModule.cpp loads it); the caller owns the client.
extern "C" __attribute__((visibility("default"))) korvanel::OlaClientApi *korvanel_make_ola_client(std::uint16_t port)
{
    return new korvanel::LibOlaClient(port);
}

// What the module is, asked before anything else of it (output/CompanionModule.h).
extern "C" __attribute__((visibility("default"))) const KorvanelModuleInfo *korvanel_module_info()
{
    static const KorvanelModuleInfo info{korvanel::OlaClientModuleKind, korvanel::OlaClientInterfaceVersion,
                                         KORVANEL_OLA_MODULE_BUILD_ID};
    return &info;
}
