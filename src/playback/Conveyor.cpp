#include "playback/Conveyor.h"

namespace korvanel {

ConveyorStep konveyrStep(int position, const ConveyorSlots &active, const ConveyorSlots &assigned)
{
    ConveyorStep step;
    constexpr int slots = static_cast<int>(ConveyorSlotCount);
    // A position from nowhere starts the search at the first slot.
    if (position < 1 || position > slots)
        position = 1;
    for (int n = position; n <= slots; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (active[i] && assigned[i]) {
            step.load = n;
            break;
        }
        position = n + 1;
    }
    if (position <= slots)
        step.labelPosition = position;
    step.nextPosition = position + 1 > slots ? 1 : position + 1;
    return step;
}

} // namespace korvanel
