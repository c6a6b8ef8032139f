#include "control/midi/MidiMessage.h"

namespace korvanel {

std::optional<MidiMessage> decodeMidi(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() != 3 || bytes[1] > 0x7F || bytes[2] > 0x7F)
        return std::nullopt;
    MidiMessage message;
    message.channel = bytes[0] & 0x0F;
    message.number = bytes[1];
    message.value = bytes[2];
    switch (bytes[0] & 0xF0) {
    case 0x80:
        message.kind = MidiKind::NoteOff;
        break;
    case 0x90:
        message.kind = bytes[2] == 0 ? MidiKind::NoteOff : MidiKind::NoteOn;
        break;
    case 0xB0:
        message.kind = MidiKind::Control;
        break;
    case 0xE0:
        message.kind = MidiKind::Bend;
        message.number = 0;
        message.value = static_cast<std::uint16_t>(bytes[1] | (bytes[2] << 7));
        break;
    default:
        return std::nullopt;
    }
    return message;
}

MidiBytes encodeMidi(const MidiMessage &message)
{
    const auto status = [&](std::uint8_t kind) { return static_cast<std::uint8_t>(kind | (message.channel & 0x0F)); };
    const auto low = [](int v) { return static_cast<std::uint8_t>(v & 0x7F); };
    switch (message.kind) {
    case MidiKind::NoteOff:
        return {status(0x80), low(message.number), 0};
    case MidiKind::NoteOn:
        return {status(0x90), low(message.number), low(message.value)};
    case MidiKind::Control:
        return {status(0xB0), low(message.number), low(message.value)};
    case MidiKind::Bend:
        return {status(0xE0), low(message.value), low(message.value >> 7)};
    }
    return {};
}

} // namespace korvanel
