#pragma once
// One level of undo: a copy of the whole show memory, settings, rates, names,
// pictures and selection included.

#include "core/Engine.h"

namespace korvanel {

// UndoMemory := SceneMemory.
void ToMemoryUndo(Engine &engine);

// SceneMemory := UndoMemory.
void FromMemoryUndo(Engine &engine);

} // namespace korvanel
