#pragma once
// The conveyor's list step: which slot's show to load next and where the
// following step starts looking.

#include <array>
#include <cstddef>

#include "core/Engine.h"

namespace korvanel {

// Slot states, index 0 = slot 1.
using ConveyorSlots = std::array<bool, ConveyorSlotCount>;

struct ConveyorStep {
    int load = 0;          // slot 1..20 whose show is loaded, 0: none
    int labelPosition = 0; // slot the label names, 0: the label stays
    int nextPosition = 1;  // KonveyrPosition after the step, 1..20
};

// From `position` on, slots that are not active or hold no file are passed
// over; the first active slot with a file is loaded and stays the position.
// With none left the step loads nothing and the next one starts at slot 1.
ConveyorStep konveyrStep(int position, const ConveyorSlots &active, const ConveyorSlots &assigned);

} // namespace korvanel
