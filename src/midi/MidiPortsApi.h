#pragma once
// What the program needs of the MIDI system: the ports others offer, one
// input and one output of them open, and the input's messages handed over as
// they come. The module korvanel-midi.so offers it on RtMidi (JACK while a
// server runs, else ALSA's sequencer), so that neither RtMidi's libraries nor
// those of JACK or ALSA cost anything until MIDI is switched on. Plain C++:
// both sides are built together, and the build id makes sure of it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace korvanel {

class MidiPortsApi {
public:
    // Called on the MIDI system's own thread (with JACK, its real-time
    // process thread): it must neither wait nor allocate.
    class Receiver {
    public:
        virtual void received(const std::uint8_t *bytes, std::size_t size) noexcept = 0;

    protected:
        ~Receiver() = default;
    };

    enum class System { None, Alsa, Jack };

    virtual ~MidiPortsApi() = default;

    // The system in use; without one it looks for one first (a JACK server,
    // then ALSA's sequencer), and again after a JACK server went away.
    virtual System system() = 0;
    // The ports that send to the program, and those that take what it sends;
    // not its own. None while there is no system.
    virtual std::vector<std::string> inputs() = 0;
    virtual std::vector<std::string> outputs() = 0;
    // Opens the port of that name as listed: empty when open, else the system's reason.
    virtual std::string openInput(const std::string &name) = 0;
    virtual void closeInput() = 0;
    virtual std::string openOutput(const std::string &name) = 0;
    virtual void closeOutput() = 0;
    virtual bool send(const std::uint8_t *bytes, std::size_t size) = 0;
};

// The module's one entry point: receiver outlives what it returns.
using MakeMidiPorts = MidiPortsApi *(*)(MidiPortsApi::Receiver &receiver);
inline constexpr const char *MakeMidiPortsName = "korvanel_make_midi_ports";
// Raised by hand with every change to this header that a module built before it would not follow.
inline constexpr int MidiPortsInterfaceVersion = 1;
inline constexpr const char *MidiPortsModuleKind = "korvanel-midi-ports";
// The program's clients as other programs see them; its own ports are never offered to it.
inline constexpr const char *MidiClientName = "Korvanel";

} // namespace korvanel
