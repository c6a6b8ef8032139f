#pragma once
// OSC datagrams as the OSC input takes them: a message, or a bundle of them
// (nested at most a few deep), decoded whole or not at all. liblo checks each
// message; only the argument types the address space uses are kept.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvanel {

struct OscMessage {
    std::string path;
    std::string types; // one letter an argument, as sent
    // The values of 'i' and 'f' arguments, by position; other types leave 0.
    std::vector<std::int32_t> ints;
    std::vector<float> floats;
};

// What one datagram may carry: more is refused whole.
inline constexpr std::size_t MaxOscDatagram = 8192;
inline constexpr std::size_t MaxOscMessagesPerPacket = 16;
inline constexpr int MaxOscBundleDepth = 4;

// Every message of the packet, in order; nothing when any part is malformed or over the limits.
std::optional<std::vector<OscMessage>> decodeOscPacket(std::span<const std::uint8_t> packet);

// One message with a single int argument, ready to send.
std::vector<std::uint8_t> encodeOscInt(std::string_view path, std::int32_t value);

} // namespace korvanel
