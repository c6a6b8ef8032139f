#pragma once
// Whole-scene editing: insert, delete, clear, duplicate, the one-scene paste
// buffer, and stepping to a scene with automatic appending. The commands check
// the playback lock and take their undo snapshots themselves; the window
// reports each snapshot and refreshes the page.

#include <cstdint>

#include "core/Engine.h"

namespace korvanel {

// Scene-moving steps.

// A duplicate of the current scene inserted after it becomes the current scene;
// the old scene 255 is lost. Returns false at scene 255, where nothing moves.
bool InsertNewScena(Engine &engine);

// The scenes above the current one move down by one row; the freed row 255 is
// emptied. The current scene stays inside the show.
void DeleteScena(Engine &engine);

// PasteBuffer := the current scene row (all 256 bytes).
void SaveToPaste(Engine &engine);

// Snapshot, then the current scene row := PasteBuffer.
void LoadFromPaste(Engine &engine);

// What a command did.
struct [[nodiscard]] EditOutcome {
    bool done = false; // false: refused while the show plays, nothing changed
    int snapshots = 0; // undo snapshots taken, in order
};

// Commands, refused while the show plays.
EditOutcome insertScene(Engine &engine);         // snapshot, InsertNewScena
EditOutcome deleteScene(Engine &engine);         // snapshot, DeleteScena
EditOutcome clearScene(Engine &engine);          // snapshot, current row := 0
EditOutcome copyPreviousScene(Engine &engine);   // snapshot, row of current - 1 over the current row
EditOutcome copySceneToBuffer(Engine &engine);   // SaveToPaste, no snapshot
EditOutcome replaceWithBuffer(Engine &engine);   // snapshot, LoadFromPaste
EditOutcome insertSceneAndPaste(Engine &engine); // snapshot, InsertNewScena, LoadFromPaste

struct [[nodiscard]] StepOutcome {
    bool moved = false;    // false while the show plays: the slider only snaps back
    bool appended = false; // a copy of the scene before was appended to the show
};

// The step slider's move to `position` (0..SysLastScene + 1). One past the last
// scene with auto-add on appends a copy of the last scene; no snapshot.
StepOutcome stepToScene(Engine &engine, int position, bool autoAdd);

} // namespace korvanel
