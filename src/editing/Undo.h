#pragma once
// Undo and redo of the whole show memory, settings, rates, names, pictures and
// selection included. UndoMemory is the copy the next undo brings back; the
// history keeps the ones before it and what was undone.

#include <functional>

#include "core/Engine.h"

namespace korvanel {

// UndoMemory := SceneMemory, the copy before it kept in the history; nothing left to redo.
void ToMemoryUndo(Engine &engine);

// SceneMemory := UndoMemory, the state it replaces kept for redo; the copy
// before it becomes the next to bring back.
void FromMemoryUndo(Engine &engine);

// The last undo taken back; false when there is none.
bool RedoMemory(Engine &engine);

// Nothing to undo or redo (a show loaded or cleared).
void ClearUndo(Engine &engine);

bool canUndo(const Engine &engine);
bool canRedo(const Engine &engine);

// Every copy in UndoMemory and the history taken at or after `stamp`
// (UndoHistory::nextStamp at the time), for a caller that must amend them.
void forEachUndoCopySince(Engine &engine, std::uint64_t stamp, const std::function<void(UndoHistory::Image &)> &amend);

} // namespace korvanel
