#pragma once
// The four-channel chase generators: pattern steps, direction phases and the
// levels each step puts on its four channels.

#include <array>
#include <cstdint>

#include "core/AtomicBytes.h"

namespace korvanel {

struct GeneratorPhases {
    std::uint8_t wrapAbove;    // the phase counter restarts past this
    std::uint8_t forwardBelow; // below this the pattern runs forward
};

inline constexpr GeneratorPhases Generator1Phases{20, 10};
inline constexpr GeneratorPhases Generator2Phases{24, 12};

struct GeneratorState {
    std::uint8_t step = 0;  // 0..7
    std::uint8_t phase = 0; // passes through step 3
};

// Levels of outputs 0..3 for a pattern 1..4 at a step 0..7.
std::array<std::uint8_t, 4> patternLevels(int pattern, int step, std::uint8_t bright, std::uint8_t dark);

// One generator step: moves the step forward or back by the phase, then
// publishes the four levels and the running flag for the output tick.
void JobAvtomat(GeneratorState &state, const GeneratorPhases &phases, int pattern, std::uint8_t bright,
                std::uint8_t dark, AtomicByte &running, AtomicBytes<4> &out);

inline constexpr std::uint8_t MinGeneratorTempo = 5;
inline constexpr std::uint8_t MaxGeneratorTempo = 50;

// t x t ms; a stored 0 counts as 20, anything else outside the slider's range takes its nearest end.
constexpr int generatorIntervalMs(std::uint8_t tempo)
{
    const int t = tempo == 0        ? 20
        : tempo < MinGeneratorTempo ? MinGeneratorTempo
        : tempo > MaxGeneratorTempo ? MaxGeneratorTempo
                                    : tempo;
    return t * t;
}

} // namespace korvanel
