#pragma once
// One repetition of the name block copy: the names of channels first..last
// with their pictures and name colours go to the channels from `to` on; the
// copies get a leading number and a group colour that tells fixtures apart.

#include "core/Engine.h"

namespace korvanel {

inline constexpr std::uint8_t NameCopyGreyOdd = 170;
inline constexpr std::uint8_t NameCopyGreyEven = 200;

struct NameBlock {
    int first = 1; // F
    int last = 3;  // L
    int to = 4;    // T
};

// Whether every target channel T .. T + L - F lies within 1..255.
bool nameBlockFits(const NameBlock &block);

struct NameCopyMarks {
    int repetition = 1;     // r, from 1: odd copies grey 170, even ones grey 200
    bool numberPlus = true; // first character := 48 + firstDigit, taken as a byte
    int firstDigit = 2;
    bool markFirst = true; // the copy of the first channel green 50, 250, 50
};

// Copies one block; false, with nothing changed, when it does not fit.
// Source and target may overlap: both copies run in ascending order.
bool copyNameBlock(Engine &engine, const NameBlock &block, const NameCopyMarks &marks);

// Every byte of the channel names region := 0.
void clearChannelNames(Engine &engine);

} // namespace korvanel
