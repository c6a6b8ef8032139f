#include "ui/osc/OscInput.h"

#include "control/ControlLayer.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {

Source client(OscPeer peer) { return {SourceKind::Osc, peer}; }

QString peerText(OscPeer peer)
{
    const std::uint32_t a = oscPeerAddress(peer);
    return QStringLiteral("%1.%2.%3.%4:%5")
        .arg(a >> 24)
        .arg((a >> 16) & 0xFF)
        .arg((a >> 8) & 0xFF)
        .arg(a & 0xFF)
        .arg(oscPeerPort(peer));
}

// Only messages of the address space get here: their paths and arguments are the program's own kind.
QString messageText(const OscMessage &message)
{
    QString text = QString::fromLatin1(message.path.data(), static_cast<qsizetype>(message.path.size()));
    for (std::size_t k = 0; k < message.types.size(); ++k)
        text += message.types[k] == 'f' ? QStringLiteral(" %1").arg(static_cast<double>(message.floats[k]), 0, 'g', 3)
                                        : QStringLiteral(" %1").arg(message.ints[k]);
    return text;
}

} // namespace

OscInput::OscInput(ControlLayer &control, QObject *parent) : QObject(parent), m_control(control)
{
    setObjectName(QStringLiteral("OscInput"));
    m_elapsed.start();
    m_now = [this] { return m_elapsed.elapsed(); };
    m_timer.setInterval(PollMs);
    connect(&m_timer, &QTimer::timeout, this, &OscInput::poll);
    connect(&m_socket, &OscSocket::readable, this, &OscInput::readPending);
}

// The window around it is being torn down, its control layer with it: only the socket is closed.
OscInput::~OscInput() = default;

int OscInput::start(std::uint16_t port, bool network)
{
    stop();
    m_ignored = 0;
    m_lastMessage.clear();
    m_lastSender.clear();
    const int error = m_socket.open(port, network);
    emit activity();
    return error;
}

void OscInput::stop()
{
    // Nothing will come from the clients any more: nothing they held stays on.
    letGo(m_clients.clear());
    m_feedback.clear();
    m_timer.stop();
    const bool was = m_socket.isOpen();
    m_socket.close();
    if (was)
        emit activity();
}

void OscInput::readPending()
{
    // A bounded share of each turn: what is left waits in the socket for the next one.
    for (int n = 0; n < PacketsPerTurn; ++n) {
        const auto datagram = m_socket.receive(m_buffer);
        if (!datagram)
            break;
        if (datagram->size > m_buffer.size()) {
            ++m_ignored;
            emit activity();
            continue;
        }
        take(std::span<const std::uint8_t>(m_buffer.data(), datagram->size), datagram->from);
    }
}

void OscInput::take(std::span<const std::uint8_t> packet, OscPeer from)
{
    const auto messages = decodeOscPacket(packet);
    std::vector<OscRequest> requests;
    bool good = messages.has_value();
    if (good) {
        // The whole packet is checked before any of it is applied.
        const int reach = m_control.state().lastPosition;
        for (const OscMessage &message : *messages) {
            requests.push_back(oscRequestOf(message));
            const OscRequest &request = requests.back();
            const auto *command = std::get_if<CommandValue>(&request);
            const auto *scene = command ? std::get_if<command::GoToScene>(command) : nullptr;
            if (std::holds_alternative<osc::Bad>(request) || (scene && scene->scene > reach)) {
                good = false;
                break;
            }
        }
    }
    if (!good) {
        ++m_ignored;
        emit activity();
        return;
    }
    if (messages->empty())
        return;
    const qint64 now = m_now();
    m_clients.heard(from, now);
    for (const OscRequest &request : requests)
        apply(request, from, now);
    ++m_applied;
    m_lastMessage = messageText(messages->back());
    m_lastSender = peerText(from);
    keepPolling();
    emit activity();
}

void OscInput::apply(const OscRequest &request, OscPeer from, qint64 now)
{
    if (std::holds_alternative<osc::Subscribe>(request)) {
        if (m_clients.subscribe(from, now)) {
            // The others first hear what changed, so that what is taken as sent is what everyone has.
            std::vector<OscPeer> others = m_clients.subscribers();
            std::erase(others, from);
            send(m_feedback.changes(m_control.state()), others);
            send(oscFeedbackOf(m_control.state()), {&from, 1});
        }
        return;
    }
    if (std::holds_alternative<osc::Unsubscribe>(request)) {
        m_clients.unsubscribe(from);
        return;
    }
    const auto *what = std::get_if<CommandValue>(&request);
    if (what == nullptr)
        return;
    const auto *picture = std::get_if<command::Picture>(what);
    if (picture != nullptr && picture->down)
        letGo(m_clients.holds(from, now));
    m_control.apply({client(from), *what});
    if (picture != nullptr && !picture->down) {
        bool holding = false;
        for (int k = 0; k < static_cast<int>(StaticPictureCount); ++k)
            holding = holding || m_control.pictures().heldBy(client(from), k);
        if (!holding)
            m_clients.letGo(from);
    }
}

void OscInput::letGo(const std::vector<OscPeer> &peers)
{
    for (const OscPeer peer : peers)
        m_control.sourceGone(client(peer));
}

void OscInput::send(const std::vector<OscValue> &values, std::span<const OscPeer> to)
{
    for (const OscValue &value : values) {
        const std::vector<std::uint8_t> message = encodeOscInt(value.path, value.value);
        for (const OscPeer peer : to)
            m_socket.send(peer, message);
    }
}

void OscInput::poll()
{
    const std::size_t subscribers = m_clients.subscribers().size();
    letGo(m_clients.expire(m_now()));
    if (!m_clients.subscribers().empty()) {
        send(m_feedback.changes(m_control.state()), m_clients.subscribers());
    } else {
        m_feedback.clear();
    }
    if (m_clients.subscribers().size() != subscribers)
        emit activity();
    keepPolling();
}

void OscInput::keepPolling()
{
    if (m_clients.empty()) {
        m_timer.stop();
        return;
    }
    // Sending the state changes no frame; only letting go of a hold does.
    markOutputNeutral(m_timer, m_clients.holders().empty());
    if (!m_timer.isActive())
        m_timer.start();
}

} // namespace korvanel
