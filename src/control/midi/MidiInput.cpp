#include "control/midi/MidiInput.h"

#include "control/ControlLayer.h"
#include "playback/Tempo.h"

namespace korvanel {

namespace {

int scaled(int value, int from, int to) { return (value * to + from / 2) / from; }

// How far apart two neighbouring hardware positions lie in a span of the target.
int stepOf(int span, int range) { return (span + range - 1) / range; }

MidiBytes shown(const MidiAddress &address, int value, int range)
{
    MidiMessage message;
    message.channel = static_cast<std::uint8_t>(address.channel == AnyMidiChannel ? 0 : address.channel);
    message.number = static_cast<std::uint8_t>(address.number);
    switch (address.kind) {
    case MidiControlKind::Note:
        message.kind = value > 0 ? MidiKind::NoteOn : MidiKind::NoteOff;
        message.value = value > 0 ? 127 : 0;
        return encodeMidi(message);
    case MidiControlKind::Control:
        message.kind = MidiKind::Control;
        break;
    case MidiControlKind::Bend:
        message.kind = MidiKind::Bend;
        break;
    }
    message.value = static_cast<std::uint16_t>(scaled(value, range, midiRange(message.kind)));
    return encodeMidi(message);
}

} // namespace

MidiInput::MidiInput(ControlLayer &layer, Source source) : m_layer(layer), m_source(source) {}

void MidiInput::setBindings(MidiBindings bindings)
{
    m_bindings = std::move(bindings);
    m_takeover.clear();
    m_shown.clear();
}

void MidiInput::setLearning(bool on)
{
    m_learning = on;
    m_learnTarget.reset();
}

void MidiInput::learnFor(const MidiTarget &target)
{
    if (m_learning && validTarget(target))
        m_learnTarget = target;
}

MidiInput::Outcome MidiInput::received(const MidiMessage &message)
{
    const MidiAddress address = addressOf(message);
    if (m_learning) {
        if (!m_learnTarget || message.kind == MidiKind::NoteOff)
            return Outcome::Ignored;
        m_learnt = {address, *m_learnTarget};
        if (!m_bindings.bind(m_learnt))
            return Outcome::Ignored;
        m_learnTarget.reset();
        m_takeover.erase(address);
        // The control may still be down: its release must not act as a press would.
        m_down.erase(address);
        return Outcome::Learnt;
    }
    const MidiBinding *binding = m_bindings.find(message);
    if (binding == nullptr)
        return Outcome::Ignored;
    const int range = midiRange(message.kind);
    if (continuousTarget(binding->target.kind)) {
        // A pad bound to a fader sets it by its velocity; its release is no position.
        if (message.kind == MidiKind::NoteOff)
            return Outcome::Ignored;
        return position(address, binding->target, message.value, range);
    }
    const bool down =
        message.kind == MidiKind::NoteOn || (message.kind != MidiKind::NoteOff && message.value * 2 > range);
    return button(address, binding->target, down);
}

MidiInput::Outcome MidiInput::button(const MidiAddress &address, const MidiTarget &target, bool down)
{
    // A controller that repeats its state (a held button's controller value) acts once.
    if (down == m_down.contains(address))
        return Outcome::Ignored;
    if (down)
        m_down.insert(address);
    else
        m_down.erase(address);
    if (target.kind == MidiTargetKind::Picture) {
        m_layer.apply({m_source, command::Picture{target.index - 1, down, false}});
        return Outcome::Applied;
    }
    if (!down)
        return Outcome::Ignored;
    switch (target.kind) {
    case MidiTargetKind::Play:
        m_layer.apply({m_source, command::Play{}});
        break;
    case MidiTargetKind::Stop:
        m_layer.apply({m_source, command::Stop{}});
        break;
    case MidiTargetKind::Blackout:
        m_layer.apply({m_source, command::BlackoutToggle{}});
        break;
    case MidiTargetKind::Step:
        m_layer.apply({m_source, command::StepScene{target.index}});
        break;
    case MidiTargetKind::Slot:
        m_layer.apply({m_source, command::ConveyorSlot{target.index}});
        break;
    case MidiTargetKind::Fader:
    case MidiTargetKind::Tempo:
    case MidiTargetKind::Picture:
        return Outcome::Ignored;
    }
    return Outcome::Applied;
}

MidiInput::Outcome MidiInput::position(const MidiAddress &address, const MidiTarget &target, int value, int range)
{
    const ShowState state = m_layer.state();
    SoftTakeover &takeover = m_takeover[address];
    if (target.kind == MidiTargetKind::Tempo) {
        const int span = MaxSequencerTempo - MinSequencerTempo;
        const int tempo = MinSequencerTempo + scaled(value, range, span);
        if (!takeover.follow(tempo, state.tempo, stepOf(span, range)))
            return Outcome::Waiting;
        m_layer.apply({m_source, command::Tempo{tempo}});
        return Outcome::Applied;
    }
    const int level = scaled(value, range, 255);
    const int current = state.faders[static_cast<std::size_t>(target.index - 1)];
    if (!takeover.follow(level, current, stepOf(255, range)))
        return Outcome::Waiting;
    m_layer.apply({m_source, command::FaderLevel{state.pageOffset + target.index, level}});
    return Outcome::Applied;
}

void MidiInput::gone()
{
    m_layer.sourceGone(m_source);
    m_down.clear();
    m_takeover.clear();
    m_shown.clear();
    m_shownPage = -1;
}

std::vector<MidiBytes> MidiInput::feedback(bool all)
{
    const ShowState state = m_layer.state();
    const bool newPage = all || state.pageOffset != m_shownPage;
    m_shownPage = state.pageOffset;
    std::vector<MidiBytes> out;
    for (const MidiBinding &binding : m_bindings.all()) {
        const MidiTarget &target = binding.target;
        int value = 0;
        int range = 1;
        switch (target.kind) {
        case MidiTargetKind::Picture:
            value = (state.pictures >> (target.index - 1)) & 1;
            break;
        case MidiTargetKind::Blackout:
            value = state.blackout ? 1 : 0;
            break;
        case MidiTargetKind::Play:
            value = state.playing ? 1 : 0;
            break;
        case MidiTargetKind::Fader:
            if (!newPage)
                continue;
            value = state.faders[static_cast<std::size_t>(target.index - 1)];
            range = 255;
            break;
        case MidiTargetKind::Stop:
        case MidiTargetKind::Tempo:
        case MidiTargetKind::Step:
        case MidiTargetKind::Slot:
            continue;
        }
        const auto [last, added] = m_shown.try_emplace(binding.address, value);
        if (!all && !added && last->second == value && target.kind != MidiTargetKind::Fader)
            continue;
        last->second = value;
        out.push_back(shown(binding.address, value, range));
    }
    return out;
}

} // namespace korvanel
