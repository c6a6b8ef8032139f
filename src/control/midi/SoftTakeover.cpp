#include "control/midi/SoftTakeover.h"

#include <algorithm>
#include <cstdlib>

namespace korvanel {

bool SoftTakeover::follow(int hardware, int current, int step)
{
    // Something else moved the target since the hardware last led it: it waits to be met again.
    bool leads = m_led && *m_led == current;
    if (!leads) {
        const bool met = std::abs(hardware - current) <= step;
        const bool passed =
            m_previous && std::min(*m_previous, hardware) <= current && current <= std::max(*m_previous, hardware);
        leads = met || passed;
    }
    m_previous = hardware;
    if (leads)
        m_led = hardware;
    else
        m_led.reset();
    return leads;
}

} // namespace korvanel
