#include "ui/midi/MidiLink.h"

#include <QSocketNotifier>
#include <algorithm>

#include "control/midi/MidiPortName.h"
#include "midi/MidiModule.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

MidiLink::MidiLink(QObject *parent, std::string modulePath) : QObject(parent), m_modulePath(std::move(modulePath))
{
    m_poll.setInterval(PollMs);
    // Looking at the ports changes no frame: it lets the live display rest.
    markOutputNeutral(m_poll);
    connect(&m_poll, &QTimer::timeout, this, &MidiLink::poll);
    if (m_inbox.wakeDescriptor() >= 0) {
        m_wake = new QSocketNotifier(m_inbox.wakeDescriptor(), QSocketNotifier::Read, this);
        connect(m_wake, &QSocketNotifier::activated, this, &MidiLink::drain);
    }
}

MidiLink::~MidiLink()
{
    const QSignalBlocker quiet(this);
    // The MIDI system's threads end with its clients, before the inbox they write to.
    closeAll();
    m_ports.reset();
}

void MidiLink::received(const std::uint8_t *bytes, std::size_t size) noexcept { m_inbox.push({bytes, size}); }

void MidiLink::drain()
{
    m_drainQueued = false;
    // Taken into the queue first: a command that opens a dialog runs an event
    // loop, whose wake-ups land here again; they only queue behind, in order.
    const std::size_t room = MidiInbox::Capacity - std::min(m_pending.size(), MidiInbox::Capacity);
    m_inbox.take(std::min(room, PerTurn), [this](const MidiBytes &bytes) { m_pending.push_back(bytes); });
    if (m_draining)
        return;
    m_draining = true;
    for (std::size_t n = 0; n < PerTurn && !m_pending.empty(); ++n) {
        const MidiBytes bytes = m_pending.front();
        m_pending.pop_front();
        if (const auto decoded = decodeMidi(bytes))
            emit message(*decoded);
    }
    m_draining = false;
    // The rest in a later turn: a flood never holds the window's thread.
    if ((!m_pending.empty() || !m_inbox.empty()) && !m_drainQueued) {
        m_drainQueued = true;
        QTimer::singleShot(0, this, &MidiLink::drain);
    }
}

bool MidiLink::load()
{
    if (!m_triedModule) {
        m_triedModule = true;
        const MidiModule module = loadMidiModule(m_modulePath);
        m_make = module.make;
        m_refusal = module.refusal;
        m_trouble = module.missing ? Trouble::NoModule : m_make ? Trouble::None : Trouble::Refused;
    }
    if (!m_ports && m_make)
        m_ports.reset(m_make(*this));
    return m_ports != nullptr;
}

void MidiLink::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (on) {
        if (load())
            m_poll.start();
        poll();
    } else {
        m_poll.stop();
        closeAll();
        // Leaves the MIDI system: switched on again, it finds one anew.
        m_ports.reset();
        m_system = MidiPortsApi::System::None;
        if (m_trouble == Trouble::NoSystem)
            m_trouble = Trouble::None;
    }
    emit changed();
}

void MidiLink::setInput(const std::string &name)
{
    if (name == m_input.wanted)
        return;
    m_input.wanted = name;
    closeInput();
    poll();
}

void MidiLink::setOutput(const std::string &name)
{
    if (name == m_output.wanted)
        return;
    m_output.wanted = name;
    if (m_ports && outputOpen())
        m_ports->closeOutput();
    m_output.open.clear();
    m_output.error.clear();
    poll();
}

void MidiLink::poll()
{
    if (!m_enabled || !load())
        return;
    bool anything = false;
    const MidiPortsApi::System system = m_ports->system();
    if (system != m_system) {
        // Another system, or none: what was open there is gone.
        if (m_system != MidiPortsApi::System::None)
            closeAll();
        m_system = system;
        anything = true;
    }
    const Trouble trouble = system == MidiPortsApi::System::None ? Trouble::NoSystem : Trouble::None;
    anything = anything || trouble != m_trouble;
    m_trouble = trouble;
    std::vector<std::string> inputs = m_ports->inputs();
    std::vector<std::string> outputs = m_ports->outputs();
    anything = anything || inputs != m_input.listed || outputs != m_output.listed;
    m_input.listed = std::move(inputs);
    m_output.listed = std::move(outputs);
    anything = follow(m_input, true) || anything;
    anything = follow(m_output, false) || anything;
    if (anything)
        emit changed();
}

bool MidiLink::follow(Port &port, bool input)
{
    const std::string listed = findMidiPort(port.wanted, port.listed);
    if (!port.open.empty() && listed == port.open)
        return false;
    bool anything = false;
    if (!port.open.empty()) {
        // Gone, or back under other numbers: opened again below when it is there.
        if (input)
            closeInput();
        else
            m_ports->closeOutput();
        port.open.clear();
        anything = true;
    }
    if (listed.empty())
        return anything;
    std::string why = input ? m_ports->openInput(listed) : m_ports->openOutput(listed);
    // Tried once a second while it fails: said once, not each time.
    anything = anything || why != port.error;
    port.error = std::move(why);
    if (!port.error.empty())
        return anything;
    port.open = listed;
    if (!input)
        emit outputOpened();
    return true;
}

void MidiLink::closeInput()
{
    const bool wasOpen = inputOpen();
    if (m_ports && wasOpen)
        m_ports->closeInput();
    // What it sent before it closed must not act after its holds were let go.
    m_inbox.take(MidiInbox::Capacity, [](const MidiBytes &) {});
    m_pending.clear();
    m_input.open.clear();
    m_input.error.clear();
    if (wasOpen)
        emit inputClosed();
}

void MidiLink::closeAll()
{
    closeInput();
    if (m_ports && outputOpen())
        m_ports->closeOutput();
    m_output.open.clear();
    m_output.error.clear();
}

bool MidiLink::send(const MidiBytes &bytes)
{
    return m_ports && outputOpen() && m_ports->send(bytes.data(), bytes.size());
}

} // namespace korvanel
