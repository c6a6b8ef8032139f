#pragma once
// The fixed 128-byte text stamped over the start of a show before it is saved.

#include <array>
#include <cstdint>

#include "core/ShowLayout.h"

namespace korvanel {

extern const std::array<std::uint8_t, ShowHeaderSize> ShowHeader;

} // namespace korvanel
