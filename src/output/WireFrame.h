#pragma once
// The byte-stuffed frame the interface turns into DMX512: FF F0, the 513 frame
// bytes with each FF sent as FF F7, then FF F1 FF FF.

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/AtomicBytes.h"
#include "core/ShowLayout.h"

namespace korvanel {

inline constexpr std::size_t WireFrameMinLength = 2 + DmxFrameSize + 4;     // 519: no FF in the data
inline constexpr std::size_t WireFrameMaxLength = 2 + 2 * DmxFrameSize + 4; // 1032: all FF
// One byte more: a further FF follows the frame in the buffer, never sent.
inline constexpr std::size_t WireBufferSize = WireFrameMaxLength + 1;

using WireBuffer = std::array<std::uint8_t, WireBufferSize>;

// Fills `out` and returns the number of bytes to send (519..1032).
std::size_t encodeWireFrame(const AtomicBytes<DmxFrameSize> &frame, WireBuffer &out);

} // namespace korvanel
