#pragma once
// A MIDI controller as an input of the control layer: each message of a bound
// control becomes the command the keys or a phone would send, with the
// controller as its source. Faders and the tempo take over softly; buttons act
// on their press. While learning, messages bind controls instead of acting.
// The feedback is what the controller's pads and motor faders need to show the
// show: lit pictures, blackout and play, and the fader levels of a new page.

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "control/Command.h"
#include "control/midi/MidiBinding.h"
#include "control/midi/SoftTakeover.h"

namespace korvanel {

class ControlLayer;

class MidiInput {
public:
    enum class Outcome { Ignored, Applied, Waiting, Learnt };

    MidiInput(ControlLayer &layer, Source source);

    void setBindings(MidiBindings bindings);
    const MidiBindings &bindings() const { return m_bindings; }

    // Waiting: a fader that has not met the level it would move yet.
    Outcome received(const MidiMessage &message);

    // While learning, the next control moved or pressed after a target was
    // chosen is bound to it (on its own channel); nothing acts meanwhile.
    void setLearning(bool on);
    bool learning() const { return m_learning; }
    void learnFor(const MidiTarget &target);
    const std::optional<MidiTarget> &learnTarget() const { return m_learnTarget; }
    // What the last Learnt bound.
    const MidiBinding &learnt() const { return m_learnt; }

    // The controller went away: what it held is let go, and its faders take over anew.
    void gone();

    // The messages that bring the controller's lights and faders to the show:
    // those that changed since the last call, or all of them.
    std::vector<MidiBytes> feedback(bool all);

    const Source &source() const { return m_source; }

private:
    Outcome button(const MidiAddress &address, const MidiTarget &target, bool down);
    Outcome position(const MidiAddress &address, const MidiTarget &target, int value, int range);

    ControlLayer &m_layer;
    const Source m_source;
    MidiBindings m_bindings;
    std::map<MidiAddress, SoftTakeover> m_takeover;
    std::set<MidiAddress> m_down;
    bool m_learning = false;
    std::optional<MidiTarget> m_learnTarget;
    MidiBinding m_learnt;
    std::map<MidiAddress, int> m_shown; // the value last sent to each bound control
    int m_shownPage = -1;
};

} // namespace korvanel
