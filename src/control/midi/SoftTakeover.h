#pragma once
// A hardware fader over a level the show already has: it acts only once it
// has met that level or passed it, so nothing jumps when the fader page turns
// or another input moved the level meanwhile.

#include <optional>

namespace korvanel {

class SoftTakeover {
public:
    // The hardware is at `hardware` and the target at `current`, both in the
    // target's scale; `step` is how far apart two neighbouring hardware
    // positions lie in it. True when the hardware now leads the target.
    bool follow(int hardware, int current, int step);

private:
    std::optional<int> m_previous; // where the hardware was
    std::optional<int> m_led;      // the value it last gave the target
};

} // namespace korvanel
