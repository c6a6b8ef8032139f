#pragma once

#include <cstdint>

namespace korvanel {

// The USB link as the window and the control layer see it.
enum class LinkState : std::uint8_t { Closed, Sending, Stalled };

} // namespace korvanel
