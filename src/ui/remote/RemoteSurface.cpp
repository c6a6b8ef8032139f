#include "ui/remote/RemoteSurface.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "control/ControlLayer.h"
#include "core/Engine.h"
#include "playback/HandScan.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/pages/faders/FaderTab.h"
#include "ui/remote/RemoteServer.h"
#include "ui/rightcolumn/ChannelSettingsGroup.h"
#include "ui/rightcolumn/ConveyorControl.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/SequencerTab.h"
#include "ui/rightcolumn/StaticPicturesGroup.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {

QByteArray compact(const QJsonObject &object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

Source phone(quint64 client) { return {SourceKind::Phone, client}; }

// A control the operator could not move now (locked while playing) is not moved from the page either.
bool movable(const QWidget *control) { return control != nullptr && control->isEnabled(); }

void setIfMovable(QScrollBar *bar, int value)
{
    if (movable(bar))
        bar->setValue(value);
}

} // namespace

RemoteSurface::RemoteSurface(WindowServices &window, RemoteServer &server, ControlLayer &control, SequencerTab &tab,
                             ChannelSettingsGroup &settings, ConveyorGroup &conveyor, ConveyorControl &conveyorControl,
                             FaderPage &faders, FaderTab &faderTab)
    : QObject(&server), m_window(window), m_server(server), m_control(control), m_tab(tab), m_settings(settings),
      m_conveyor(conveyor), m_conveyorControl(conveyorControl), m_faders(faders), m_faderTab(faderTab)
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

void RemoteSurface::picture(quint64 id, const Client &client, int n, bool down)
{
    // As with the keys: held is on; let go, it goes off unless the latch is on.
    m_control.apply({phone(id), command::Picture{n - 1, down, client.latch}});
}

void RemoteSurface::pad(int x, int y, bool down)
{
    // What the hand-scan pad does under a held button; without one it changes nothing.
    if (!down)
        return;
    Engine &engine = m_window.engine();
    const ControlLayer::PadOptions options = m_control.padOptions();
    const PadLevels levels = padLevels(x, y, options.invertX, options.invertY, options.swap);
    store(engine.live.HandScanX, levels.x);
    store(engine.live.HandScanY, levels.y);
    if (writeHandScanPairs(engine, levels, load(engine.PlayMode) == 0))
        m_faders.CheckBoxFromMemory();
    m_window.ReturnPageControlAll();
}

void RemoteSurface::apply(quint64 clientId, const RemoteCommand &command)
{
    const auto client = m_clients.find(clientId);
    if (client == m_clients.end())
        return;
    ++m_applied;
    client->second.renewed = m_now();
    Engine &engine = m_window.engine();
    const auto offset = static_cast<int>(load(engine.FaderPageOffset));
    // A channel counts only on the page the window shows: another page's row is another channel.
    auto row = [offset](int channel) {
        const int k = channel - offset;
        return k >= 1 && k <= static_cast<int>(FaderCount) ? k : 0;
    };
    using Kind = RemoteCommand::Kind;
    switch (command.kind) {
    case Kind::Play:
        m_control.apply({phone(clientId), command::Play{}});
        break;
    case Kind::Stop:
        m_control.apply({phone(clientId), command::Stop{}});
        break;
    case Kind::Tempo:
        setIfMovable(namedChild<QScrollBar>(m_tab, "ScrollBarTemp"), command.a);
        break;
    case Kind::Step: {
        QScrollBar *step = namedChild<QScrollBar>(m_tab, "ScrollBarStep");
        setIfMovable(step, step->value() + command.a);
        break;
    }
    case Kind::Blackout:
        if (movable(namedChild<QCheckBox>(m_settings, "CheckBoxBlackOut")))
            m_control.apply({phone(clientId), command::Blackout{command.a != 0}});
        break;
    case Kind::Picture:
        picture(clientId, client->second, command.a, command.b != 0);
        break;
    case Kind::Latch:
        client->second.latch = command.a != 0;
        break;
    case Kind::Slot:
        if (movable(m_conveyor.slotButton(command.a)))
            m_control.apply({phone(clientId), command::ConveyorSlot{command.a}});
        break;
    case Kind::Fader:
        if (const int k = row(command.a))
            setIfMovable(m_faders.scrollBar(k), command.b);
        break;
    case Kind::Select:
        if (const int k = row(command.a); k && movable(m_faders.checkBox(k)))
            m_faders.checkBox(k)->setChecked(command.b != 0);
        break;
    case Kind::Page:
        setIfMovable(namedChild<QScrollBar>(m_faderTab, "ScrolbarVertPos"), command.a);
        break;
    case Kind::Pad:
        pad(command.a, command.b, command.c != 0);
        break;
    case Kind::Priority:
        store(engine.live.HandScanActive, command.a != 0 ? 1 : 0);
        break;
    case Kind::Hold:
        break;
    }
}

QByteArray RemoteSurface::showState() const
{
    const Engine &engine = m_window.engine();
    const auto *tempo = namedChild<QScrollBar>(m_tab, "ScrollBarTemp");
    const auto *step = namedChild<QScrollBar>(m_tab, "ScrollBarStep");
    QJsonArray pictures;
    QJsonArray captions;
    const ShowState state = m_control.state();
    for (std::size_t k = 0; k < StaticPictureCount; ++k) {
        pictures.append(((state.pictures >> k) & 1u) != 0);
        captions.append(m_settings.pictures()->picture(k)->text());
    }
    return compact({
        {QStringLiteral("t"), QStringLiteral("show")},
        {QStringLiteral("play"), load(engine.PlayMode) == 1},
        {QStringLiteral("tempo"), tempo->value()},
        {QStringLiteral("tempoMin"), tempo->minimum()},
        {QStringLiteral("tempoMax"), tempo->maximum()},
        {QStringLiteral("tempoOn"), tempo->isEnabled()},
        {QStringLiteral("tempoText"), namedChild<QLabel>(m_tab, "LabelTemp")->text().simplified()},
        {QStringLiteral("scene"), namedChild<QLabel>(m_tab, "LabelStep")->text()},
        {QStringLiteral("last"), namedChild<QLabel>(m_tab, "LabelCoda")->text()},
        {QStringLiteral("back"), step->isEnabled() && step->value() > step->minimum()},
        {QStringLiteral("fwd"), step->isEnabled() && step->value() < step->maximum()},
        {QStringLiteral("blackout"), namedChild<QCheckBox>(m_settings, "CheckBoxBlackOut")->isChecked()},
        {QStringLiteral("pics"), pictures},
        {QStringLiteral("picNames"), captions},
        {QStringLiteral("prio"), load(engine.live.HandScanActive) != 0},
        {QStringLiteral("x"), load(engine.live.HandScanX)},
        {QStringLiteral("y"), load(engine.live.HandScanY)},
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
    const auto *hand = namedChild<QAbstractButton>(m_conveyor, "SpeedButtonKonvHand");
    return compact({{QStringLiteral("t"), QStringLiteral("slots")},
                    {QStringLiteral("hand"), hand->isChecked()},
                    {QStringLiteral("slots"), buttons}});
}

QByteArray RemoteSurface::pageState() const
{
    const auto *page = namedChild<QScrollBar>(m_faderTab, "ScrolbarVertPos");
    QJsonArray names;
    QJsonArray colors;
    QJsonArray levels;
    QJsonArray selected;
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        const QLineEdit *name = m_faders.edit(k);
        names.append(name->text());
        colors.append(name->palette().color(QPalette::Base).name());
        levels.append(m_faders.scrollBar(k)->value());
        selected.append(m_faders.checkBox(k)->isChecked());
    }
    return compact({{QStringLiteral("t"), QStringLiteral("page")},
                    {QStringLiteral("off"), static_cast<int>(load(m_window.engine().FaderPageOffset))},
                    {QStringLiteral("maxOff"), page->maximum()},
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
