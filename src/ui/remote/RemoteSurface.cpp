#include "ui/remote/RemoteSurface.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "control/ControlLayer.h"
#include "core/Engine.h"
#include "playback/Tempo.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/remote/RemoteServer.h"
#include "ui/rightcolumn/ChannelSettingsGroup.h"
#include "ui/rightcolumn/ConveyorControl.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/SequencerControl.h"
#include "ui/rightcolumn/StaticPicturesGroup.h"

namespace korvanel {

namespace {

QByteArray compact(const QJsonObject &object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

Source phone(quint64 client) { return {SourceKind::Phone, client}; }

} // namespace

RemoteSurface::RemoteSurface(WindowServices &window, RemoteServer &server, ControlLayer &control,
                             ChannelSettingsGroup &settings, ConveyorGroup &conveyor, ConveyorControl &conveyorControl,
                             FaderPage &faders)
    : QObject(&server), m_window(window), m_server(server), m_control(control), m_settings(settings),
      m_conveyor(conveyor), m_conveyorControl(conveyorControl), m_faders(faders)
{
    setObjectName(QStringLiteral("RemoteSurface"));
    m_elapsed.start();
    m_now = [this] { return m_elapsed.elapsed(); };
    m_timer.setInterval(PushMs);
    connect(&m_timer, &QTimer::timeout, this, &RemoteSurface::push);
    connect(&server, &RemoteServer::clientJoined, this, &RemoteSurface::joined);
    connect(&server, &RemoteServer::clientLeft, this, &RemoteSurface::left);
    connect(&server, &RemoteServer::command, this, &RemoteSurface::apply);
}

void RemoteSurface::joined(quint64 client)
{
    m_clients[client] = Client{false, m_now()};
    // The newcomer gets the whole surface at once; the others only what changes.
    m_server.send(client, showState());
    m_server.send(client, slotsState());
    m_server.send(client, pageState());
    m_server.send(client, levelsState());
    m_timer.start();
}

void RemoteSurface::left(quint64 client)
{
    const auto it = m_clients.find(client);
    if (it == m_clients.end())
        return;
    // Its held picture buttons will send no release: they go off, as held keys do when the window loses the keyboard.
    m_control.sourceGone(phone(client));
    m_clients.erase(it);
    if (m_clients.empty()) {
        m_timer.stop();
        m_sent = {};
    }
}

void RemoteSurface::expireHolds()
{
    // A phone that left the network says nothing; its socket would take many seconds to time out.
    const qint64 now = m_now();
    for (const auto &[id, client] : m_clients) {
        if (now - client.renewed > HoldLeaseMs)
            m_control.sourceGone(phone(id));
    }
}

void RemoteSurface::apply(quint64 clientId, const RemoteCommand &command)
{
    const auto client = m_clients.find(clientId);
    if (client == m_clients.end())
        return;
    ++m_applied;
    client->second.renewed = m_now();
    const Source source = phone(clientId);
    // A channel counts only on the page the window shows: another page's row is another channel.
    const auto onPage = [this](int channel) {
        const int k = channel - m_control.state().pageOffset;
        return k >= 1 && k <= static_cast<int>(FaderCount);
    };
    using Kind = RemoteCommand::Kind;
    switch (command.kind) {
    case Kind::Play:
        m_control.apply({source, command::Play{}});
        break;
    case Kind::Stop:
        m_control.apply({source, command::Stop{}});
        break;
    case Kind::Tempo:
        m_control.apply({source, command::Tempo{command.a}});
        break;
    case Kind::Step:
        m_control.apply({source, command::StepScene{command.a}});
        break;
    case Kind::Blackout:
        m_control.apply({source, command::Blackout{command.a != 0}});
        break;
    case Kind::Picture:
        // As with the keys: held is on; let go, it goes off unless the latch is on.
        m_control.apply({source, command::Picture{command.a - 1, command.b != 0, client->second.latch}});
        break;
    case Kind::Latch:
        client->second.latch = command.a != 0;
        break;
    case Kind::Slot:
        // A slot the operator could not press now is not pressed from the page either.
        if (const QToolButton *slot = m_conveyor.slotButton(command.a); slot && slot->isEnabled())
            m_control.apply({source, command::ConveyorSlot{command.a}});
        break;
    case Kind::Fader:
        if (onPage(command.a))
            m_control.apply({source, command::FaderLevel{command.a, command.b}});
        break;
    case Kind::Select:
        if (onPage(command.a))
            m_control.apply({source, command::SelectChannel{command.a, command.b != 0}});
        break;
    case Kind::Page:
        m_control.apply({source, command::FaderPage{command.a}});
        break;
    case Kind::Pad:
        // What the hand-scan pad does under a held button; without one it changes nothing.
        if (command.c != 0)
            m_control.apply({source, command::Pad{command.a, command.b}});
        break;
    case Kind::Priority:
        m_control.apply({source, command::PadPriority{command.a != 0}});
        break;
    case Kind::Hold:
        break;
    }
}

QByteArray RemoteSurface::showState() const
{
    QJsonArray pictures;
    QJsonArray captions;
    const ShowState state = m_control.state();
    for (std::size_t k = 0; k < StaticPictureCount; ++k) {
        pictures.append(((state.pictures >> k) & 1u) != 0);
        captions.append(m_settings.pictures()->picture(k)->text());
    }
    return compact({
        {QStringLiteral("t"), QStringLiteral("show")},
        {QStringLiteral("play"), state.playing},
        {QStringLiteral("tempo"), state.tempo},
        {QStringLiteral("tempoMin"), MinSequencerTempo},
        {QStringLiteral("tempoMax"), MaxSequencerTempo},
        {QStringLiteral("tempoText"), tempoReadout(state.tempo).simplified()},
        {QStringLiteral("scene"), QString::number(state.scene + 1)},
        {QStringLiteral("last"), QString::number(state.lastScene + 1)},
        {QStringLiteral("back"), state.scene > 0},
        {QStringLiteral("fwd"), state.scene < state.lastPosition},
        {QStringLiteral("blackout"), state.blackout},
        {QStringLiteral("pics"), pictures},
        {QStringLiteral("picNames"), captions},
        {QStringLiteral("prio"), state.padPriority},
        {QStringLiteral("x"), state.padX},
        {QStringLiteral("y"), state.padY},
    });
}

QByteArray RemoteSurface::slotsState() const
{
    QJsonArray buttons;
    for (int n = 1; n <= ConveyorGroup::SlotCount; ++n) {
        const QToolButton *button = m_conveyor.slotButton(n);
        buttons.append(QJsonObject{{QStringLiteral("c"), button->text()},
                                   {QStringLiteral("on"), button->isChecked()},
                                   {QStringLiteral("a"), m_conveyorControl.assigned(n)}});
    }
    const auto *hand = m_conveyor.speedButtonKonvHand();
    return compact({{QStringLiteral("t"), QStringLiteral("slots")},
                    {QStringLiteral("hand"), hand->isChecked()},
                    {QStringLiteral("slots"), buttons}});
}

QByteArray RemoteSurface::pageState() const
{
    const ShowState state = m_control.state();
    QJsonArray names;
    QJsonArray colors;
    QJsonArray levels;
    QJsonArray selected;
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        const QLineEdit *name = m_faders.edit(k);
        names.append(name->text());
        colors.append(name->palette().color(QPalette::Base).name());
        levels.append(state.faders[static_cast<std::size_t>(k - 1)]);
        selected.append(((state.selected >> (k - 1)) & 1u) != 0);
    }
    return compact({{QStringLiteral("t"), QStringLiteral("page")},
                    {QStringLiteral("off"), state.pageOffset},
                    {QStringLiteral("maxOff"), MaxFaderPageOffset},
                    {QStringLiteral("names"), names},
                    {QStringLiteral("colors"), colors},
                    {QStringLiteral("levels"), levels},
                    {QStringLiteral("sel"), selected}});
}

QByteArray RemoteSurface::levelsState() const
{
    const Engine &engine = m_window.engine();
    const std::size_t first = std::min(load(engine.FaderPageOffset), MaxFaderPageOffset);
    QJsonArray levels;
    for (std::size_t k = 1; k <= FaderCount; ++k)
        levels.append(engine.DmxOut.get(first + k));
    return compact({{QStringLiteral("t"), QStringLiteral("out")},
                    {QStringLiteral("off"), static_cast<int>(first)},
                    {QStringLiteral("lv"), levels}});
}

void RemoteSurface::push()
{
    expireHolds();
    const bool levels = m_tick++ % LevelsEvery == 0;
    const std::array<QByteArray, 4> now{showState(), slotsState(), pageState(), levels ? levelsState() : m_sent[3]};
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i] != m_sent[i]) {
            m_server.sendAll(now[i]);
            m_sent[i] = now[i];
            m_lastSent = m_now();
        }
    }
    if (m_now() - m_lastSent >= AliveMs) {
        m_server.sendAll(QByteArrayLiteral(R"({"t":"alive"})"));
        m_lastSent = m_now();
    }
}

} // namespace korvanel
