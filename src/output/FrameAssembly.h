#pragma once
// Building one DMX frame from the show and the live controls. Called by the
// output tick; plain functions of the engine state, so tests call them too.

#include "core/Engine.h"
#include "core/FrameHold.h"

namespace korvanel {

// Slots 1..255 from the current scene in the selected fade mode, then the
// effect generators.
void SborDmxStroki(Engine &engine);

// Effect generator outputs over the frame; generator 2 after generator 1.
void OutJobAvtomats(Engine &engine);

// Live overrides in order: pictures, manual faders, hand-scan pad, blackout,
// macros picture, recoding, grand master.
void ManualDmx(Engine &engine);

// The grand master over every slot of the recoded frame; nothing at 100 %.
void applyGrandMaster(Engine &engine);

// The checked manual faders over their channels.
void CheckBoxManualScrollBar(Engine &engine);

// One whole frame: SborDmxStroki, then ManualDmx; then counted. While a show
// change holds the frame (FrameHold), the last frame stays as it is, uncounted.
inline void buildFrame(Engine &engine)
{
    if (!FrameHold::beginFrame(engine))
        return;
    SborDmxStroki(engine);
    ManualDmx(engine);
    FrameHold::endFrame(engine);
    engine.FramesBuilt.fetch_add(1, std::memory_order_release);
}

} // namespace korvanel
