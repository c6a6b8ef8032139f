#include "playback/EffectGenerator.h"

namespace korvanel {

namespace {

// One row per step, one column per pattern; a set bit is a bright output (bit 3 = output 0).
constexpr std::uint8_t Patterns[8][4] = {
    {0b1000, 0b1100, 0b1100, 0b1000}, {0b0100, 0b0110, 0b0011, 0b1100}, {0b0010, 0b0011, 0b1100, 0b1110},
    {0b0001, 0b1001, 0b0011, 0b1111}, {0b1000, 0b1100, 0b0110, 0b0111}, {0b0100, 0b0110, 0b1001, 0b0011},
    {0b0010, 0b0011, 0b0110, 0b0001}, {0b0001, 0b1001, 0b1001, 0b0000},
};

} // namespace

std::array<std::uint8_t, 4> patternLevels(int pattern, int step, std::uint8_t bright, std::uint8_t dark)
{
    const int p = (pattern < 1 ? 1 : pattern > 4 ? 4 : pattern) - 1;
    const std::uint8_t bits = Patterns[step & 7][p];
    std::array<std::uint8_t, 4> levels{};
    for (int i = 0; i < 4; ++i)
        levels[static_cast<std::size_t>(i)] = (bits >> (3 - i)) & 1 ? bright : dark;
    return levels;
}

void JobAvtomat(GeneratorState &state, const GeneratorPhases &phases, int pattern, std::uint8_t bright,
                std::uint8_t dark, AtomicByte &running, AtomicBytes<4> &out)
{
    store(running, 1);
    if (state.step == 3)
        ++state.phase;
    if (state.phase > phases.wrapAbove)
        state.phase = 0;
    if (state.phase < phases.forwardBelow)
        state.step = state.step == 7 ? 0 : static_cast<std::uint8_t>(state.step + 1);
    else
        state.step = state.step == 0 ? 7 : static_cast<std::uint8_t>(state.step - 1);
    const auto levels = patternLevels(pattern, state.step, bright, dark);
    for (std::size_t i = 0; i < 4; ++i)
        out.set(i, levels[i]);
}

} // namespace korvanel
