#pragma once
// The OSC input's UDP socket: IPv4, on 127.0.0.1 or every interface, never
// blocking. liblo's own server cannot be bound to one address, so the socket
// is the program's and liblo only reads and writes the messages.

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "control/osc/OscClients.h"

class QSocketNotifier;

namespace korvanel {

class OscSocket : public QObject {
    Q_OBJECT
public:
    explicit OscSocket(QObject *parent = nullptr);
    ~OscSocket() override;

    // 0 when it listens, else the errno of what failed.
    int open(std::uint16_t port, bool network);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    std::uint16_t port() const { return m_port; }

    struct Datagram {
        OscPeer from = 0;
        std::size_t size = 0; // as sent: more than the buffer when it was cut
    };
    // One waiting datagram into buffer; nothing when none waits.
    std::optional<Datagram> receive(std::span<std::uint8_t> buffer);
    // Dropped when the socket's buffer is full: the next change sends again.
    void send(OscPeer to, std::span<const std::uint8_t> bytes);

signals:
    // Datagrams wait; the signal comes again on the next turn of the event loop while any is left.
    void readable();

private:
    int m_fd = -1;
    std::uint16_t m_port = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace korvanel
