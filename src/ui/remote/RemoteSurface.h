#pragma once
// The window's live surface as the remote page sees it. Commands from the
// pages move the window's own controls, so each runs the handler, and meets
// the lock, that the operator's hand would; what the window shows goes back to
// every page, at most twenty times a second, and only what changed.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <map>

#include "core/ShowLayout.h"
#include "ui/remote/RemoteProtocol.h"

namespace korvanel {

class WindowServices;
class ChannelSettingsGroup;
class ControlLayer;
class ConveyorControl;
class ConveyorGroup;
class FaderPage;
class RemoteServer;

class RemoteSurface : public QObject {
    Q_OBJECT
public:
    static constexpr int PushMs = 50;     // at most 20 updates a second
    static constexpr int LevelsEvery = 2; // output levels every second push: 10 a second
    // A page renews what it holds twice a second; what it stops renewing is let go.
    static constexpr int HoldLeaseMs = 1500;
    // A page that hears nothing for a while takes its connection for lost: it hears at least this often.
    static constexpr int AliveMs = 1000;

    RemoteSurface(WindowServices &window, RemoteServer &server, ControlLayer &control, ChannelSettingsGroup &settings,
                  ConveyorGroup &conveyor, ConveyorControl &conveyorControl, FaderPage &faders);

    void apply(quint64 client, const RemoteCommand &command);
    // The clock leases are judged by, in milliseconds (tests step their own).
    void setClock(std::function<qint64()> msClock) { m_now = std::move(msClock); }
    // Commands applied since the start; the load bench counts them.
    quint64 applied() const { return m_applied; }

    // The page's parts as they are now: "show", "slots", "page", "out".
    QByteArray showState() const;
    QByteArray slotsState() const;
    QByteArray pageState() const;
    QByteArray levelsState() const;

public slots:
    // Sends each part that changed since it was last sent, and lets go of unrenewed holds.
    void push();
    // Lets go of the pictures of every page that has not renewed its hold in time.
    void expireHolds();

private:
    struct Client {
        bool latch = false;
        qint64 renewed = 0; // ms of the clock
    };
    void joined(quint64 client);
    void left(quint64 client);

    WindowServices &m_window;
    RemoteServer &m_server;
    ControlLayer &m_control;
    ChannelSettingsGroup &m_settings;
    ConveyorGroup &m_conveyor;
    ConveyorControl &m_conveyorControl;
    FaderPage &m_faders;
    std::map<quint64, Client> m_clients;
    QTimer m_timer;
    std::array<QByteArray, 4> m_sent;
    int m_tick = 0;
    qint64 m_lastSent = 0;
    QElapsedTimer m_elapsed;
    std::function<qint64()> m_now;
    quint64 m_applied = 0;
};

} // namespace korvanel
