#include "editing/NameBlockCopy.h"

namespace korvanel {

bool nameBlockFits(const NameBlock &block)
{
    return block.first >= 1 && block.to >= 1 && block.last >= block.first &&
        block.last - block.first + block.to <= static_cast<int>(ChannelCount);
}

bool copyNameBlock(Engine &engine, const NameBlock &block, const NameCopyMarks &marks)
{
    if (!nameBlockFits(block))
        return false;
    const auto first = static_cast<std::size_t>(block.first);
    const auto last = static_cast<std::size_t>(block.last);
    const auto to = static_cast<std::size_t>(block.to);

    // Byte by byte upwards, so an overlapping target repeats the first names.
    const std::size_t bytes = (last - first + 1) * NameSize;
    for (std::size_t i = 0; i < bytes; ++i)
        engine.SceneMemory.set(nameOffset(to) + i, engine.SceneMemory.get(nameOffset(first) + i));

    ChannelColors &colors = engine.colors;
    const std::uint8_t grey = marks.repetition % 2 == 1 ? NameCopyGreyOdd : NameCopyGreyEven;
    for (std::size_t c = first; c <= last; ++c) {
        const std::size_t t = to + c - first;
        if (marks.numberPlus)
            engine.SceneMemory.set(nameOffset(t), static_cast<std::uint8_t>(48 + marks.firstDigit));
        colors.GraphHint[t] = colors.GraphHint[c];
        colors.NameColorRed[t] = colors.NameColorRed[c];
        colors.NameColorGreen[t] = colors.NameColorGreen[c];
        colors.NameColorBlue[t] = colors.NameColorBlue[c];
        const bool green = marks.markFirst && c == first;
        colors.SplitColorRed[t] = green ? 50 : grey;
        colors.SplitColorGreen[t] = green ? 250 : grey;
        colors.SplitColorBlue[t] = green ? 50 : grey;
    }
    return true;
}

void clearChannelNames(Engine &engine) { engine.SceneMemory.fill(NamesOffset, StaticOffset, 0); }

} // namespace korvanel
