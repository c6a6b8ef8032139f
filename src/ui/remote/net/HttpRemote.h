#pragma once
// The remote page's server: the page over HTTP and its messages over a
// WebSocket, in the window's thread. Every request proves the token; what a
// party without it can make the server hold is bounded in number and time.
// It never listens unless start() is called.

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>

#include "ui/remote/RemoteNet.h"
#include "ui/remote/net/HttpGate.h"
#include "ui/remote/net/RemoteAccess.h"

class QTcpServer;
class QTcpSocket;
class QWebSocket;
class QWebSocketServer;

namespace korvanel {

class HttpRemote final : public RemoteNet {
public:
    HttpRemote(Events &events, QByteArray page);
    ~HttpRemote() override;

    QString start(quint16 port, bool network, const QByteArray &token, RemoteStartError &error) override;
    void stop() override;
    bool listening() const override { return m_listener != nullptr; }
    quint16 port() const override { return m_port; }
    QByteArray token() const override { return m_token; }
    void setToken(const QByteArray &token) override;
    int clientCount() const override { return static_cast<int>(m_clients.size()); }
    int pendingCount() const override { return static_cast<int>(m_pending.size()); }
    int heldObjects() const override;
    void send(quint64 client, const QByteArray &text) override;
    void sendAll(const QByteArray &text) override;
    void setHeartbeat(int pingMs, int silenceMs) override
    {
        m_heartbeat.setInterval(pingMs);
        m_silenceMs = silenceMs;
    }
    void setClock(std::function<qint64()> msClock) override;
    QImage qrImage(const QByteArray &text, int scale) const override;
    QStringList networkHosts() const override;

    // A connection accepted by the listener.
    void arrived(qintptr descriptor);

private:
    // A connection that is not a page's WebSocket (yet).
    struct Pending {
        QPointer<QTcpSocket> socket;
        QString party;
        qint64 deadline = 0; // ms of the clock
        bool answered = false;
        bool closing = false;
        bool waiting = false; // a late refusal is on its way
    };
    void readable(quint64 id);
    void serve(quint64 id, Pending &entry, const HttpHead &head);
    void answer(quint64 id, const QByteArray &bytes, bool close);
    void forget(quint64 id, bool abort);
    void makeRoomFor(const QString &party);
    void sweep();
    void acceptWebSockets();
    void dropAll();
    void drop(quint64 client);
    void heard(quint64 client);
    qint64 now() const { return m_now(); }

    Events &m_events;
    // The owner of the sockets and the context of every connection.
    QObject m_context;
    std::unique_ptr<QTcpServer> m_listener;
    std::unique_ptr<QWebSocketServer> m_webSockets;
    QByteArray m_token;
    const QByteArray m_page;
    quint16 m_port = 0;
    bool m_network = false;
    RemoteGuard m_guard;
    qintptr m_descriptorCeiling = 0;

    quint64 m_nextId = 1;
    std::map<quint64, Pending> m_pending; // oldest first
    QHash<QString, int> m_pendingOf;
    // Connections passed to the WebSocket handshake, until it ends.
    std::map<quint64, QPointer<QTcpSocket>> m_handed;
    QTimer m_sweep;

    struct Client {
        QWebSocket *socket;
        QPointer<QTcpSocket> transport;
        qint64 lastHeard; // ms of the clock
    };
    std::map<quint64, Client> m_clients;
    // Pings the clients; one not heard from for a while has gone (a phone that
    // left the network says nothing).
    QTimer m_heartbeat;
    int m_silenceMs = SilenceMs;
    QElapsedTimer m_elapsed;
    std::function<qint64()> m_now;
};

} // namespace korvanel
