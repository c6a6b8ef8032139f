#pragma once
// Tap tempo: the step time becomes the mean gap of the last taps, set as the
// nearest tempo slider position (a step lasts position x position ms).

#include <array>
#include <chrono>
#include <optional>

namespace korvanel {

class TapTempo {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int MinTaps = 3;
    static constexpr int MaxTaps = 8;
    // A longer gap starts a new count.
    static constexpr std::chrono::milliseconds Restart{2000};

    // The slider position the taps so far give, from the third tap on.
    std::optional<int> tap(Clock::time_point at);

private:
    std::array<Clock::time_point, MaxTaps> m_taps{};
    int m_count = 0;
};

// The tempo position whose step (position squared, in ms) is nearest to
// stepMs, within the slider's range 10..170.
int tempoPositionOfStep(double stepMs);

} // namespace korvanel
