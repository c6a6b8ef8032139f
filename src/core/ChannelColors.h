#pragma once
// Per-channel colours and picture numbers of the installation: name-field
// colours, group colours of the live display and the graphic hints. They
// live beside the show, in the colour file, not in the show file.

#include <array>
#include <cstdint>

namespace korvanel {

inline constexpr std::size_t ColorTableSize = 513; // entries 0..512; 0..511 are stored
inline constexpr std::uint8_t NoGraphHint = 255;

using ColorTable = std::array<std::uint8_t, ColorTableSize>;

struct ChannelColors {
    ColorTable NameColorRed{};
    ColorTable NameColorGreen{};
    ColorTable NameColorBlue{};
    ColorTable SplitColorRed{};
    ColorTable SplitColorGreen{};
    ColorTable SplitColorBlue{};
    ColorTable GraphHint{};

    // The name fields' start colour, entries 0..511.
    void setStartNameColors()
    {
        for (std::size_t i = 0; i < 512; ++i) {
            NameColorRed[i] = 230;
            NameColorGreen[i] = 238;
            NameColorBlue[i] = 245;
        }
    }
};

} // namespace korvanel
