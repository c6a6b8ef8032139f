#include "editing/Undo.h"

namespace korvanel {

namespace {

std::unique_ptr<UndoHistory::Image> copyOf(const UndoHistory::Image &bytes)
{
    return std::make_unique<UndoHistory::Image>(bytes);
}

// The copy in UndoMemory moves down the history to make room for a newer one.
void keepUndoCopy(Engine &engine)
{
    UndoHistory &h = engine.undoHistory;
    if (!h.canUndo)
        return;
    h.older.push_back({h.undoStamp, copyOf(engine.UndoMemory)});
    if (h.older.size() > UndoHistory::Depth - 1)
        h.older.pop_front();
}

UndoHistory::Image sceneBytes(const Engine &engine)
{
    UndoHistory::Image bytes;
    engine.SceneMemory.copyTo(bytes);
    return bytes;
}

} // namespace

void ToMemoryUndo(Engine &engine)
{
    UndoHistory &h = engine.undoHistory;
    h.redo.clear();
    // A copy of what the last copy already holds would be an undo step that changes nothing.
    if (h.canUndo && sceneBytes(engine) == engine.UndoMemory)
        return;
    keepUndoCopy(engine);
    engine.SceneMemory.copyTo(engine.UndoMemory);
    h.undoStamp = h.nextStamp++;
    h.canUndo = true;
}

void FromMemoryUndo(Engine &engine)
{
    UndoHistory &h = engine.undoHistory;
    h.redo.push_back({h.nextStamp++, copyOf(sceneBytes(engine))});
    engine.SceneMemory.copyFrom(engine.UndoMemory);
    if (h.older.empty()) {
        h.canUndo = false;
        return;
    }
    engine.UndoMemory = *h.older.back().bytes;
    h.undoStamp = h.older.back().stamp;
    h.older.pop_back();
    h.canUndo = true;
}

bool RedoMemory(Engine &engine)
{
    UndoHistory &h = engine.undoHistory;
    if (h.redo.empty())
        return false;
    keepUndoCopy(engine);
    engine.SceneMemory.copyTo(engine.UndoMemory);
    h.undoStamp = h.nextStamp++;
    h.canUndo = true;
    engine.SceneMemory.copyFrom(*h.redo.back().bytes);
    h.redo.pop_back();
    return true;
}

void ClearUndo(Engine &engine)
{
    UndoHistory &h = engine.undoHistory;
    h.older.clear();
    h.redo.clear();
    h.canUndo = false;
}

bool canUndo(const Engine &engine) { return engine.undoHistory.canUndo; }
bool canRedo(const Engine &engine) { return !engine.undoHistory.redo.empty(); }

void forEachUndoCopySince(Engine &engine, std::uint64_t stamp, const std::function<void(UndoHistory::Image &)> &amend)
{
    UndoHistory &h = engine.undoHistory;
    if (h.canUndo && h.undoStamp >= stamp)
        amend(engine.UndoMemory);
    for (UndoHistory::Entry &entry : h.older)
        if (entry.stamp >= stamp)
            amend(*entry.bytes);
    for (UndoHistory::Entry &entry : h.redo)
        if (entry.stamp >= stamp)
            amend(*entry.bytes);
}

} // namespace korvanel
