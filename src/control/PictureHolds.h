#pragma once
// Who holds each static picture on. A picture is on while any source holds
// it or one has latched it. A source that goes away lets go of what it held;
// a latch stays until a picture is pressed and let go on purpose (by any
// source, without its latch) or switched off in the window.

#include <array>
#include <cstdint>
#include <vector>

#include "control/Command.h"
#include "core/ShowLayout.h"

namespace korvanel {

class PictureHolds {
public:
    // Each returns whether the picture's on/off changed.
    bool press(const Source &source, int index);
    bool release(const Source &source, int index, bool latch);
    // The window's box: everyone's hold and latch go with it, or it is latched by the window.
    bool set(int index, bool on);
    // Everything source held, let go (a latch it set stays): the pictures that went off, one bit each.
    std::uint16_t releaseAll(const Source &source);

    bool on(int index) const;
    bool heldBy(const Source &source, int index) const;
    std::uint16_t onBits() const;

private:
    struct Holder {
        Source source;
        bool overLatch = false; // pressed while the picture was latched: its plain release ends the latch
    };
    struct Picture {
        std::vector<Holder> holders; // at most one entry a source
        bool latched = false;
    };
    Holder *holder(const Source &source, int index);
    static bool valid(int index) { return index >= 0 && index < static_cast<int>(StaticPictureCount); }
    std::array<Picture, StaticPictureCount> m_pictures{};
};

} // namespace korvanel
