#pragma once
// The undo history behind the window's one undo copy (Engine::UndoMemory):
// the copies taken before it, and the states undone, for redo. Whole copies
// of the show memory: 80 KiB each, at most 64 to undo and as many to redo.

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "core/ShowLayout.h"

namespace korvanel {

struct UndoHistory {
    static constexpr std::size_t Depth = 64; // undo steps, UndoMemory included
    using Image = std::array<std::uint8_t, SceneMemorySize>;
    struct Entry {
        std::uint64_t stamp = 0; // when its bytes were taken
        std::unique_ptr<Image> bytes;
    };
    std::deque<Entry> older; // taken before UndoMemory's, the oldest first
    std::vector<Entry> redo; // states undone, the next to redo last
    bool canUndo = false;    // UndoMemory holds a copy not yet brought back
    std::uint64_t undoStamp = 0;
    std::uint64_t nextStamp = 1;
};

} // namespace korvanel
