#include "playback/TapTempo.h"

#include <algorithm>
#include <cmath>

#include "playback/Tempo.h"

namespace korvanel {

std::optional<int> TapTempo::tap(Clock::time_point at)
{
    if (m_count > 0 && (at < m_taps[m_count - 1] || at - m_taps[m_count - 1] > Restart))
        m_count = 0;
    if (m_count == MaxTaps) {
        std::rotate(m_taps.begin(), m_taps.begin() + 1, m_taps.end());
        --m_count;
    }
    m_taps[m_count++] = at;
    if (m_count < MinTaps)
        return std::nullopt;
    const double spanMs = std::chrono::duration<double, std::milli>(m_taps[m_count - 1] - m_taps[0]).count();
    return tempoPositionOfStep(spanMs / (m_count - 1));
}

int tempoPositionOfStep(double stepMs)
{
    const int below = std::clamp(static_cast<int>(std::floor(std::sqrt(std::max(stepMs, 0.0)))),
                                 static_cast<int>(MinSequencerTempo), static_cast<int>(MaxSequencerTempo));
    const int above = std::min(below + 1, static_cast<int>(MaxSequencerTempo));
    return std::abs(above * above - stepMs) < std::abs(below * below - stepMs) ? above : below;
}

} // namespace korvanel
