#pragma once
// What the remote page's server module (korvanel-remote.so) offers the
// window. The module holds everything that needs Qt's network, HTTP and
// WebSocket modules and the QR code library, so the window loads none of them
// until the page is first switched on. Both sides are built together: this is
// no stable interface.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace korvanel {

enum class RemoteStartError { None, AddressInUse, Access, Other };

class RemoteNet {
public:
    static constexpr int MaxClients = 40;
    // A frame or message larger than this closes the connection before it is kept.
    static constexpr int MaxIncoming = 4096;
    // A client that has this much unsent is not reading: it is dropped.
    static constexpr qint64 MaxQueued = 1024 * 1024;
    static constexpr int HeartbeatMs = 5000;
    static constexpr int SilenceMs = 20000;
    // A connection that is not yet a page's WebSocket has this long for each request.
    static constexpr int RequestTimeoutMs = 5000;
    // Such connections held at once, from one party and in all; a newcomer beyond
    // them ends the oldest, one that has sent nothing first.
    static constexpr int MaxPendingPerParty = 16;
    static constexpr int MaxPending = 256;
    // Descriptors the network never takes: saving a show needs some.
    static constexpr int DescriptorReserve = 64;
    // How late a party marked as guessing hears that its token is wrong.
    static constexpr int GuessDelayMs = 1000;
    // The reason a page is given when a new token drops it (with close code 1008, policy).
    static inline const QString TokenRenewed = QStringLiteral("token-renewed");

    // What the server tells the window, in the window's thread.
    class Events {
    public:
        virtual void joined(quint64 client) = 0;
        virtual void left(quint64 client) = 0;
        virtual void message(quint64 client, const QByteArray &text) = 0;

    protected:
        ~Events() = default;
    };

    virtual ~RemoteNet() = default;

    // Listens on 127.0.0.1 (network false) or on every interface, taking
    // token. An empty string when it listens, else the system's reason.
    virtual QString start(quint16 port, bool network, const QByteArray &token, RemoteStartError &error) = 0;
    virtual void stop() = 0;
    virtual bool listening() const = 0;
    virtual quint16 port() const = 0;
    virtual QByteArray token() const = 0;
    // Another token; every client of the old one is told why and dropped.
    virtual void setToken(const QByteArray &token) = 0;
    virtual int clientCount() const = 0;
    // Connections held that are not a page's WebSocket yet.
    virtual int pendingCount() const = 0;
    // Objects the server holds for its connections, whatever their state: a leak shows here.
    virtual int heldObjects() const = 0;
    virtual void send(quint64 client, const QByteArray &text) = 0;
    virtual void sendAll(const QByteArray &text) = 0;
    virtual void setHeartbeat(int pingMs, int silenceMs) = 0;
    // The clock the timeouts are judged by, in milliseconds (tests step their own).
    virtual void setClock(std::function<qint64()> msClock) = 0;

    // The QR code of text, scale pixels a module, with the quiet zone; null when it cannot be made.
    virtual QImage qrImage(const QByteArray &text, int scale) const = 0;
    // The addresses a phone on the venue's networks may reach this computer by, IPv4 first.
    virtual QStringList networkHosts() const = 0;
};

// The module's one entry point; page is the page it serves.
using MakeRemoteNet = RemoteNet *(*)(RemoteNet::Events &events, const QByteArray &page);
inline constexpr const char *MakeRemoteNetName = "korvanel_make_remote_net";
// What the module says of itself (output/CompanionModule.h). Raised by hand
// with every change to this header that a module built before it would not follow.
inline constexpr int RemoteNetInterfaceVersion = 2;
inline constexpr const char *RemoteNetModuleKind = "korvanel-remote-net";

} // namespace korvanel
