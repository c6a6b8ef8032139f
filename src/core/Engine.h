#pragma once
// The process-wide state of one running show. One object, created by the
// program (or by a test) and passed by reference; no globals.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "core/AtomicBytes.h"
#include "core/ChannelColors.h"
#include "core/LiveControls.h"
#include "core/ShowLayout.h"
#include "core/UndoHistory.h"

namespace korvanel {

struct CompanionFiles {
    std::string BaseFileName;
    std::string IniFileName;
    std::string ColFileName;
    std::string AutoSaveFileName;
    std::string CoderFileName;
    std::string HelpFileName;
};

inline constexpr std::size_t ConveyorSlotCount = 20;

// How the graph editor shows the scenes: the zoom slider position 0..3 and
// what it gives. A cleared show starts at the closest zoom.
struct GraphView {
    int zoom = 3;
    std::int32_t GraphColumnScale = 8; // half the width of one scene column, pixels
    std::int32_t GraphScenesPerView = 32;
};

struct Engine {
    // Shared with the output tick: relaxed atomics only.
    AtomicBytes<SceneMemorySize> SceneMemory;
    std::atomic<std::int32_t> SceneBase{static_cast<std::int32_t>(SceneOffset)};
    AtomicByte PlayMode{0};
    AtomicBytes<RowSize> CrossfadeStep; // index 1..255
    AtomicByte FaderPageOffset{0};
    AtomicBytes<RowSize> FadeTarget; // index 1..255
    AtomicBytes<DmxFrameSize> DmxOut;
    AtomicArray<std::uint16_t, DmxFrameSize> CoderTable;
    AtomicBytes<DmxFrameSize> CoderSource;
    AtomicByte Avtomat1Running{0};
    AtomicByte Avtomat2Running{0};
    AtomicBytes<4> Avtomat1Out;
    AtomicBytes<4> Avtomat2Out;
    LiveControls live;
    // A show change in progress: the output tick resends the last frame (core/FrameHold.h).
    std::atomic<std::uint32_t> FrameHolds{0};
    AtomicByte BuildingFrame{0};
    // Frames built since start, counted after each one (release): a reader that
    // sees n + 2 knows a whole frame was built after it read n.
    std::atomic<std::uint32_t> FramesBuilt{0};

    // UI thread only.
    std::array<std::uint8_t, SceneMemorySize> UndoMemory{};
    UndoHistory undoHistory; // behind UndoMemory: older copies, and what undo took back
    std::array<std::uint8_t, RowSize> PasteBuffer{};
    CompanionFiles files;
    // Show files on the conveyor keys (index 0 = key 1); empty: no file on the key.
    std::array<std::string, ConveyorSlotCount> ConveyorFiles;
    GraphView graph;
    // Name-field colours, group colours and pictures of the channels (the colour file).
    ChannelColors colors;

    std::uint8_t sys(std::size_t position) const { return SceneMemory.get(position); }
    void setSys(std::size_t position, std::uint8_t value) { SceneMemory.set(position, value); }
    std::uint8_t currentScene() const { return sys(SysCurrentScene); }
    std::uint8_t level(std::size_t scene, std::size_t channel) const
    {
        return SceneMemory.get(sceneByte(scene, channel));
    }
};

// SceneBase = scene * 256 + SceneOffset.
void RaschetAdr(Engine &engine, std::uint8_t scene);

// The memory half of clearing a show: buffers, frame, rates, pictures,
// selection, scenes, header and the show settings. Names are kept.
void ClearAll(Engine &engine);

// Start-up steps that only touch memory: identity recoding, empty names,
// both effect generator tempos at 50.
void initialiseAtStart(Engine &engine);

} // namespace korvanel
