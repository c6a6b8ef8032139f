// The MIDI ports on RtMidi: the module korvanel-midi.so (see MidiPortsApi.h).
// JACK while a server runs, else ALSA's sequencer. Both systems' libraries
// print their troubles on standard error, and RtMidi does too unless it has
// an error callback: here everything they say is kept for the program to show,
// or dropped, and nothing is printed.

#include <RtMidi.h>
#include <alsa/asoundlib.h>
#include <atomic>
#include <jack/jack.h>
#include <memory>
#include <mutex>
#include <utility>

#include "midi/MidiPortsApi.h"
#include "output/CompanionModule.h"

namespace korvanel {

namespace {

// JACK says so when its server goes away; the next look for ports starts anew.
std::atomic<bool> jackTrouble{false};
void jackError(const char *) { jackTrouble.store(true, std::memory_order_relaxed); }
void jackInfo(const char *) {}
void alsaError(const char *, int, const char *, int, const char *, ...) {}

bool jackServerRuns()
{
    jack_status_t status{};
    jack_client_t *probe = jack_client_open("Korvanel probe", JackNoStartServer, &status);
    if (probe == nullptr)
        return false;
    jack_client_close(probe);
    return true;
}

bool alsaSequencerThere()
{
    snd_seq_t *sequencer = nullptr;
    if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0)
        return false;
    snd_seq_close(sequencer);
    return true;
}

// The program's own clients: "Korvanel in", "Korvanel out", and JACK's renamings of them.
bool ours(const std::string &port)
{
    const std::string client = port.substr(0, port.find(':'));
    return client.rfind(MidiClientName, 0) == 0;
}

class RtMidiPorts final : public MidiPortsApi {
public:
    explicit RtMidiPorts(Receiver &receiver) : m_receiver(receiver)
    {
        jack_set_error_function(jackError);
        jack_set_info_function(jackInfo);
        snd_lib_error_set_handler(alsaError);
    }
    ~RtMidiPorts() override { drop(); }

    System system() override
    {
        if (m_system == System::Jack && jackTrouble.exchange(false, std::memory_order_relaxed))
            drop();
        if (m_system == System::None)
            choose();
        return m_system;
    }

    // Without a system they look for none: system() does, once per look at the ports.
    std::vector<std::string> inputs() override { return m_system == System::None ? Names() : list(*m_in); }
    std::vector<std::string> outputs() override { return m_system == System::None ? Names() : list(*m_out); }

    std::string openInput(const std::string &name) override
    {
        closeInput();
        return open(m_in.get(), name, "control", m_inputOpen);
    }
    void closeInput() override
    {
        if (m_inputOpen)
            m_in->closePort();
        m_inputOpen = false;
    }
    std::string openOutput(const std::string &name) override
    {
        closeOutput();
        return open(m_out.get(), name, "feedback", m_outputOpen);
    }
    void closeOutput() override
    {
        if (m_outputOpen)
            m_out->closePort();
        m_outputOpen = false;
    }

    bool send(const std::uint8_t *bytes, std::size_t size) override
    {
        if (!m_outputOpen)
            return false;
        takeError();
        m_out->sendMessage(bytes, size);
        return takeError().empty();
    }

private:
    using Names = std::vector<std::string>;

    void choose()
    {
        const System found = jackServerRuns() ? System::Jack : alsaSequencerThere() ? System::Alsa : System::None;
        if (found == System::None)
            return;
        const RtMidi::Api api = found == System::Jack ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA;
        try {
            m_in = std::make_unique<RtMidiIn>(api, std::string(MidiClientName) + " in");
            m_in->setErrorCallback(&RtMidiPorts::error, this);
            m_in->ignoreTypes(true, true, true);
            m_in->setCallback(&RtMidiPorts::message, this);
            m_out = std::make_unique<RtMidiOut>(api, std::string(MidiClientName) + " out");
            m_out->setErrorCallback(&RtMidiPorts::error, this);
        } catch (const RtMidiError &) {
            m_in.reset();
            m_out.reset();
            return;
        }
        jackTrouble.store(false, std::memory_order_relaxed);
        m_system = found;
    }

    void drop()
    {
        closeInput();
        closeOutput();
        m_in.reset();
        m_out.reset();
        m_system = System::None;
    }

    Names list(RtMidi &midi)
    {
        Names names;
        const unsigned count = midi.getPortCount();
        // Bounded: no system offers more, and each name is asked of it one by one.
        for (unsigned i = 0; i < count && i < 256; ++i) {
            std::string name = midi.getPortName(i);
            if (!name.empty() && !ours(name))
                names.push_back(std::move(name));
        }
        takeError();
        return names;
    }

    std::string open(RtMidi *midi, const std::string &name, const char *portName, bool &isOpen)
    {
        if (m_system == System::None || midi == nullptr)
            return "no MIDI system";
        takeError();
        // Looked up by name just before opening: the numbers change as devices come and go.
        const unsigned count = midi->getPortCount();
        for (unsigned i = 0; i < count && i < 256; ++i) {
            if (midi->getPortName(i) != name)
                continue;
            midi->openPort(i, portName);
            std::string why = takeError();
            isOpen = why.empty();
            return why;
        }
        return "no port " + name;
    }

    std::string takeError()
    {
        std::lock_guard guard(m_errorLock);
        return std::exchange(m_error, {});
    }

    static void error(RtMidiError::Type, const std::string &text, void *self)
    {
        auto &ports = *static_cast<RtMidiPorts *>(self);
        std::lock_guard guard(ports.m_errorLock);
        ports.m_error = text;
    }

    static void message(double, std::vector<unsigned char> *bytes, void *self)
    {
        if (bytes != nullptr)
            static_cast<RtMidiPorts *>(self)->m_receiver.received(bytes->data(), bytes->size());
    }

    Receiver &m_receiver;
    System m_system = System::None;
    std::unique_ptr<RtMidiIn> m_in;
    std::unique_ptr<RtMidiOut> m_out;
    bool m_inputOpen = false;
    bool m_outputOpen = false;
    std::mutex m_errorLock;
    std::string m_error;
};

} // namespace

} // namespace korvanel

// The module's entry point (see MidiPortsApi.h).
extern "C" __attribute__((visibility("default"))) korvanel::MidiPortsApi *
korvanel_make_midi_ports(korvanel::MidiPortsApi::Receiver &receiver)
{
    return new korvanel::RtMidiPorts(receiver);
}

// What the module is, asked before anything else of it (output/CompanionModule.h).
extern "C" __attribute__((visibility("default"))) const KorvanelModuleInfo *korvanel_module_info()
{
    static const KorvanelModuleInfo info{korvanel::MidiPortsModuleKind, korvanel::MidiPortsInterfaceVersion,
                                         KORVANEL_MIDI_MODULE_BUILD_ID};
    return &info;
}
