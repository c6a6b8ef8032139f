#include "control/midi/MidiBinding.h"

#include <algorithm>

#include "core/Engine.h"

namespace korvanel {

bool validAddress(const MidiAddress &address)
{
    const bool channel = address.channel == AnyMidiChannel || (address.channel >= 0 && address.channel <= 15);
    const bool number =
        address.kind == MidiControlKind::Bend ? address.number == 0 : address.number >= 0 && address.number <= 127;
    return channel && number;
}

bool validTarget(const MidiTarget &target)
{
    const auto within = [&](int last) { return target.index >= 1 && target.index <= last; };
    switch (target.kind) {
    case MidiTargetKind::Fader:
        return within(static_cast<int>(FaderCount));
    case MidiTargetKind::Picture:
        return within(static_cast<int>(StaticPictureCount));
    case MidiTargetKind::Slot:
        return within(static_cast<int>(ConveyorSlotCount));
    case MidiTargetKind::Step:
        return target.index == 1 || target.index == -1;
    case MidiTargetKind::Play:
    case MidiTargetKind::Stop:
    case MidiTargetKind::Blackout:
    case MidiTargetKind::Tempo:
        return target.index == 0;
    }
    return false;
}

bool continuousTarget(MidiTargetKind kind) { return kind == MidiTargetKind::Fader || kind == MidiTargetKind::Tempo; }

MidiAddress addressOf(const MidiMessage &message)
{
    switch (message.kind) {
    case MidiKind::NoteOn:
    case MidiKind::NoteOff:
        return {MidiControlKind::Note, message.channel, message.number};
    case MidiKind::Control:
        return {MidiControlKind::Control, message.channel, message.number};
    case MidiKind::Bend:
        return {MidiControlKind::Bend, message.channel, 0};
    }
    return {};
}

const MidiBinding *MidiBindings::find(const MidiMessage &message) const
{
    MidiAddress address = addressOf(message);
    const auto of = [&](const MidiAddress &a) {
        const auto it = std::find_if(m_bindings.begin(), m_bindings.end(),
                                     [&](const MidiBinding &binding) { return binding.address == a; });
        return it == m_bindings.end() ? nullptr : &*it;
    };
    if (const MidiBinding *own = of(address))
        return own;
    address.channel = AnyMidiChannel;
    return of(address);
}

bool MidiBindings::bind(const MidiBinding &binding)
{
    if (!validAddress(binding.address) || !validTarget(binding.target))
        return false;
    const auto same = std::find_if(m_bindings.begin(), m_bindings.end(),
                                   [&](const MidiBinding &b) { return b.address == binding.address; });
    if (same != m_bindings.end()) {
        same->target = binding.target;
        return true;
    }
    if (m_bindings.size() >= MaxBindings)
        return false;
    m_bindings.push_back(binding);
    return true;
}

MidiBindings defaultMidiBindings()
{
    MidiBindings bindings;
    for (int row = 1; row <= static_cast<int>(FaderCount); ++row)
        bindings.bind({{MidiControlKind::Control, AnyMidiChannel, row}, {MidiTargetKind::Fader, row}});
    for (int picture = 1; picture <= static_cast<int>(StaticPictureCount); ++picture)
        bindings.bind({{MidiControlKind::Note, AnyMidiChannel, 35 + picture}, {MidiTargetKind::Picture, picture}});
    return bindings;
}

} // namespace korvanel
