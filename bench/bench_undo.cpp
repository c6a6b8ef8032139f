// The undo history: a copy taken before an edit, an undo and a redo, with the
// history full (64 copies of the whole show memory), and what it holds.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/Engine.h"
#include "editing/Undo.h"

namespace {

using namespace korvanel;

std::unique_ptr<Engine> fullHistory()
{
    auto e = std::make_unique<Engine>();
    for (int i = 0; i < 70; ++i) {
        e->SceneMemory.set(sceneByte(0, 1), static_cast<std::uint8_t>(i));
        ToMemoryUndo(*e);
    }
    return e;
}

void BM_CopyBeforeAnEdit(benchmark::State &state)
{
    auto e = fullHistory();
    std::uint8_t level = 0;
    for (auto _ : state) {
        e->SceneMemory.set(sceneByte(1, 1), ++level);
        ToMemoryUndo(*e);
    }
    const std::size_t held = (e->undoHistory.older.size() + 1) * SceneMemorySize;
    state.counters["history_bytes"] = static_cast<double>(held);
}
BENCHMARK(BM_CopyBeforeAnEdit);

void BM_UndoThenRedo(benchmark::State &state)
{
    auto e = fullHistory();
    for (auto _ : state) {
        FromMemoryUndo(*e);
        RedoMemory(*e);
    }
}
BENCHMARK(BM_UndoThenRedo);

} // namespace
