#pragma once
// The OSC input: messages from the UDP socket become commands of the control
// layer, each client its own source; subscribers get the show's state back.
// It runs in the window's thread and takes a bounded number of datagrams a
// turn of the event loop, so a flood delays neither the window nor (never
// touched here) the output tick.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>

#include "control/osc/OscAddressSpace.h"
#include "control/osc/OscClients.h"
#include "control/osc/OscFeedback.h"
#include "control/osc/OscPacket.h"
#include "ui/osc/OscSocket.h"

namespace korvanel {

class ControlLayer;

class OscInput : public QObject {
    Q_OBJECT
public:
    static constexpr int PacketsPerTurn = 32;
    static constexpr int PollMs = 40; // changes reach subscribers within this and a turn of the loop

    explicit OscInput(ControlLayer &control, QObject *parent = nullptr);
    ~OscInput() override;

    // 0 when it listens, else the errno of the failure.
    int start(std::uint16_t port, bool network);
    // Whatever the clients held is let go; subscriptions end.
    void stop();
    bool listening() const { return m_socket.isOpen(); }
    std::uint16_t port() const { return m_socket.port(); }

    // Packets applied, and those ignored as malformed, unknown or out of range since the start.
    quint64 applied() const { return m_applied; }
    quint64 ignored() const { return m_ignored; }
    // The last applied message, as "path arguments", and who sent it ("address:port").
    QString lastMessage() const { return m_lastMessage; }
    QString lastSender() const { return m_lastSender; }
    int subscriberCount() const { return static_cast<int>(m_clients.subscribers().size()); }

    // The clock subscriptions and holds are judged by, in milliseconds (tests step their own).
    void setClock(std::function<qint64()> msClock) { m_now = std::move(msClock); }

public slots:
    // Sends what changed to the subscribers and ends what ran out.
    void poll();

signals:
    // Something the options page shows changed.
    void activity();

private:
    void readPending();
    // One datagram: applied whole, or counted as ignored.
    void take(std::span<const std::uint8_t> packet, OscPeer from);
    void apply(const OscRequest &request, OscPeer from, qint64 now);
    void letGo(const std::vector<OscPeer> &peers);
    void send(const std::vector<OscValue> &values, std::span<const OscPeer> to);
    void keepPolling();

    ControlLayer &m_control;
    OscSocket m_socket;
    OscClients m_clients;
    OscFeedback m_feedback;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
    std::function<qint64()> m_now;
    std::array<std::uint8_t, MaxOscDatagram> m_buffer{};
    quint64 m_applied = 0;
    quint64 m_ignored = 0;
    QString m_lastMessage;
    QString m_lastSender;
};

} // namespace korvanel
