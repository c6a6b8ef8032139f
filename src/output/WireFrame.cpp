#include "output/WireFrame.h"

namespace korvanel {

std::size_t encodeWireFrame(const AtomicBytes<DmxFrameSize> &frame, WireBuffer &out)
{
    std::size_t n = 0;
    out[n++] = 0xFF;
    out[n++] = 0xF0;
    for (std::size_t i = 0; i < DmxFrameSize; ++i) {
        const std::uint8_t b = frame.get(i);
        // Without a branch: the F7 is always stored and kept only after an FF.
        out[n] = b;
        out[n + 1] = 0xF7;
        n += b == 0xFF ? 2 : 1;
    }
    out[n++] = 0xFF;
    out[n++] = 0xF1;
    out[n++] = 0xFF;
    out[n++] = 0xFF;
    out[n] = 0xFF;
    return n;
}

} // namespace korvanel
