#include "editing/Undo.h"

namespace korvanel {

void ToMemoryUndo(Engine &engine) { engine.SceneMemory.copyTo(engine.UndoMemory); }

void FromMemoryUndo(Engine &engine) { engine.SceneMemory.copyFrom(engine.UndoMemory); }

} // namespace korvanel
