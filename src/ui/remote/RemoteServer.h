#pragma once
// The remote page's server as the window sees it. The server itself is the
// module korvanel-remote.so (see RemoteNet.h), loaded when the page is first
// switched on; without it the page cannot be switched on, and start() says why.

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "ui/remote/RemoteNet.h"
#include "ui/remote/RemoteProtocol.h"

namespace korvanel {

class RemoteServer : public QObject, private RemoteNet::Events {
    Q_OBJECT
public:
    static constexpr int MaxClients = RemoteNet::MaxClients;
    static inline const QString TokenRenewed = RemoteNet::TokenRenewed;

    // modulePath: where the server's module is; empty to look where the program keeps it.
    explicit RemoteServer(QObject *parent = nullptr, QString modulePath = {});
    ~RemoteServer() override;

    // Listens on 127.0.0.1 (network false) or on every interface. An empty
    // string when it listens, else the reason.
    QString start(quint16 port, bool network);
    void stop();
    bool listening() const { return m_net && m_net->listening(); }
    quint16 port() const { return m_net ? m_net->port() : 0; }
    // Why the last start() failed.
    RemoteStartError startError() const { return m_error; }

    // The file that keeps the token between starts; without one it lasts as long as this object.
    void setTokenFile(const QString &file) { m_tokenFile = file; }
    // The token while the server listens, else empty. It stays the same through
    // restarts, a port change and switching off and on, until renewToken().
    QByteArray token() const { return listening() ? m_net->token() : QByteArray(); }
    // A new token; every client of the old one is dropped.
    void renewToken();

    int clientCount() const { return m_net ? m_net->clientCount() : 0; }
    // Connections held that are not a page's WebSocket yet.
    int pendingCount() const { return m_net ? m_net->pendingCount() : 0; }
    int heldObjects() const { return m_net ? m_net->heldObjects() : 0; }
    void send(quint64 client, const QByteArray &text);
    void sendAll(const QByteArray &text);
    // How often clients are pinged and how long one may stay silent (tests shorten both).
    void setHeartbeat(int pingMs, int silenceMs);
    // The clock the server's timeouts are judged by (tests step their own).
    void setClock(std::function<qint64()> msClock);

    // The QR code of text, scale pixels a module; null while the server has never run.
    QImage qrImage(const QByteArray &text, int scale) const;
    // The addresses a phone on the venue's networks may reach this computer by, IPv4 first.
    QStringList networkHosts() const;

    // The page's name in the resources.
    static QString pagePath() { return QStringLiteral(":/remote/remote.html"); }

signals:
    void clientJoined(quint64 client);
    void clientLeft(quint64 client);
    void command(quint64 client, const korvanel::RemoteCommand &command);
    void clientCountChanged(int count);

private:
    void joined(quint64 client) override;
    void left(quint64 client) override;
    void message(quint64 client, const QByteArray &text) override;
    // The module's server, made once; the reason when it cannot be.
    QString load();

    QString m_modulePath;
    QString m_tokenFile;
    QByteArray m_token;
    std::function<qint64()> m_clock;
    std::unique_ptr<RemoteNet> m_net;
    RemoteStartError m_error = RemoteStartError::None;
    int m_pingMs = RemoteNet::HeartbeatMs;
    int m_silenceMs = RemoteNet::SilenceMs;
};

} // namespace korvanel
