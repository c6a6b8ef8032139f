#pragma once
// The MIDI ports as the window sees them: the module loaded when MIDI is
// first switched on, the port list looked at once a second while it is on, the
// chosen input and output opened whenever they are there (so a controller
// plugged in again is taken back by itself), and the input's messages handed
// from the MIDI system's thread to this one, a bounded number per turn of the
// event loop.

#include <QObject>
#include <QTimer>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "control/midi/MidiInbox.h"
#include "control/midi/MidiMessage.h"
#include "midi/MidiPortsApi.h"
#include "output/CompanionModule.h"

class QSocketNotifier;

namespace korvanel {

class MidiLink : public QObject, public MidiPortsApi::Receiver {
    Q_OBJECT
public:
    static constexpr int PollMs = 1000;
    // Messages handled in one turn of the event loop; the rest wait for the next.
    static constexpr std::size_t PerTurn = 64;

    enum class Trouble { None, NoModule, Refused, NoSystem };

    // modulePath: the module to load; empty to look where the program keeps its modules.
    explicit MidiLink(QObject *parent = nullptr, std::string modulePath = {});
    ~MidiLink() override;

    // On: loads the module the first time, finds a MIDI system and opens the
    // chosen ports. Off: closes them and leaves the MIDI system.
    void setEnabled(bool on);
    bool enabled() const { return m_enabled; }
    // The ports chosen, by name; empty for none. Each is opened once it is there.
    void setInput(const std::string &name);
    void setOutput(const std::string &name);
    const std::string &input() const { return m_input.wanted; }
    const std::string &output() const { return m_output.wanted; }
    bool inputOpen() const { return !m_input.open.empty(); }
    bool outputOpen() const { return !m_output.open.empty(); }
    // The MIDI system's reason when the chosen port did not open.
    const std::string &inputError() const { return m_input.error; }
    const std::string &outputError() const { return m_output.error; }
    const std::vector<std::string> &inputs() const { return m_input.listed; }
    const std::vector<std::string> &outputs() const { return m_output.listed; }

    MidiPortsApi::System system() const { return m_system; }
    Trouble trouble() const { return m_trouble; }
    const ModuleRefusalFacts &refusal() const { return m_refusal; }
    // Messages lost because the window's thread fell behind.
    std::uint64_t dropped() const { return m_inbox.dropped(); }

    bool send(const MidiBytes &bytes);

    // What the MIDI system hands over, on its own thread.
    void received(const std::uint8_t *bytes, std::size_t size) noexcept override;

public slots:
    // Looks at the ports now (the timer does it once a second).
    void poll();

signals:
    void message(const korvanel::MidiMessage &message);
    // The input closed (unplugged, another one chosen, MIDI switched off): what it held must go.
    void inputClosed();
    void outputOpened();
    // The lists, the open ports or the trouble changed.
    void changed();

private:
    struct Port {
        std::string wanted;
        std::string open; // the listed name it is open by; empty while closed
        std::string error;
        std::vector<std::string> listed;
    };

    void drain();
    void closeInput();
    void closeAll();
    // The module, tried once; the ports made from it while MIDI is on.
    bool load();
    // Opens or closes `port` to follow what is listed; true when anything changed.
    bool follow(Port &port, bool input);

    std::string m_modulePath;
    MidiInbox m_inbox;
    QSocketNotifier *m_wake = nullptr;
    bool m_drainQueued = false;
    bool m_draining = false;
    std::deque<MidiBytes> m_pending; // taken from the inbox, not yet handled; at most its capacity
    QTimer m_poll;
    std::unique_ptr<MidiPortsApi> m_ports;
    bool m_triedModule = false;
    MakeMidiPorts m_make = nullptr;
    bool m_enabled = false;
    Port m_input;
    Port m_output;
    MidiPortsApi::System m_system = MidiPortsApi::System::None;
    Trouble m_trouble = Trouble::None;
    ModuleRefusalFacts m_refusal;
};

} // namespace korvanel
