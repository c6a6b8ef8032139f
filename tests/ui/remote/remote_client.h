#pragma once
// Loopback clients of the remote page's server for the tests: a raw HTTP
// request, and a WebSocket that keeps what it is sent. Every wait is bounded.

#include <QByteArray>
#include <QList>
#include <QNetworkRequest>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>
#include <memory>

// The whole answer to `request` (sent as given), or what came before the server closed or `ms` passed.
inline QByteArray rawHttp(quint16 port, const QByteArray &request, int ms = 3000,
                          const QHostAddress &to = QHostAddress::LocalHost)
{
    QTcpSocket socket;
    socket.connectToHost(to, port);
    if (!QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }, ms))
        return {};
    socket.write(request);
    QByteArray answer;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            answer += socket.readAll();
            const int head = answer.indexOf("\r\n\r\n");
            if (head < 0)
                return socket.state() != QAbstractSocket::ConnectedState;
            const int at = answer.toLower().indexOf("content-length:");
            const int length = at < 0 ? 0 : answer.mid(at + 15, answer.indexOf("\r\n", at) - at - 15).trimmed().toInt();
            return answer.size() >= head + 4 + length;
        },
        ms));
    return answer;
}

inline QByteArray httpGet(quint16 port, const QByteArray &target, const QByteArray &extraHeaders = {})
{
    return rawHttp(port,
                   "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n" +
                       extraHeaders + "\r\n");
}

inline int statusOf(const QByteArray &answer) { return answer.startsWith("HTTP/1.1 ") ? answer.mid(9, 3).toInt() : 0; }

struct PageClient {
    explicit PageClient(quint16 port, const QByteArray &token, const QString &origin = {},
                        const QByteArray &path = "/ws")
        : socket(origin.isNull() ? QStringLiteral("http://127.0.0.1:%1").arg(port) : origin)
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this](const QString &m) { received << m; });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2?token=%3")
                             .arg(port)
                             .arg(QString::fromLatin1(path), QString::fromLatin1(token))));
    }
    bool connected(int ms = 3000)
    {
        return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }, ms);
    }
    bool closed(int ms = 3000)
    {
        return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, ms);
    }
    void send(const QByteArray &text) { socket.sendTextMessage(QString::fromUtf8(text)); }
    // The last message of the kind, e.g. "show", after any that came before `from`.
    QString last(const QString &kind, qsizetype from = 0) const
    {
        for (qsizetype i = received.size() - 1; i >= from; --i) {
            if (received[i].contains(QStringLiteral("\"t\":\"") + kind + '"'))
                return received[i];
        }
        return {};
    }

    QWebSocket socket;
    QStringList received;
};
