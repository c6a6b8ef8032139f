#pragma once
// A show change that no frame may see half done: while a FrameHold lives, the
// output tick sends the last frame again instead of building one. Taking the
// hold waits for a frame build that had already begun (microseconds); the
// tick itself never waits. The two flags form a handshake in which either the
// tick sees the hold or the hold sees the tick, never neither.

#include <atomic>
#include <thread>

#include "core/Engine.h"

namespace korvanel {

class FrameHold {
public:
    explicit FrameHold(Engine &engine) : m_engine(engine)
    {
        m_engine.FrameHolds.fetch_add(1, std::memory_order_seq_cst);
        // Bounded: a frame build never blocks, so this ends at once unless the output thread is preempted.
        for (int i = 0; m_engine.BuildingFrame.load(std::memory_order_seq_cst) != 0 && i < 100'000; ++i)
            std::this_thread::yield();
    }
    ~FrameHold() { m_engine.FrameHolds.fetch_sub(1, std::memory_order_release); }
    FrameHold(const FrameHold &) = delete;
    FrameHold &operator=(const FrameHold &) = delete;

    // The tick's half: true when it may build a frame now. endFrame() after the build.
    static bool beginFrame(Engine &engine)
    {
        engine.BuildingFrame.store(1, std::memory_order_seq_cst);
        if (engine.FrameHolds.load(std::memory_order_seq_cst) == 0)
            return true;
        endFrame(engine);
        return false;
    }
    static void endFrame(Engine &engine) { engine.BuildingFrame.store(0, std::memory_order_release); }

private:
    Engine &m_engine;
};

} // namespace korvanel
