#include "core/Engine.h"

#include <utility>

#include "files/ShowHeader.h"

namespace korvanel {

void RaschetAdr(Engine &engine, std::uint8_t scene)
{
    engine.SceneBase.store(static_cast<std::int32_t>(sceneRow(scene)), std::memory_order_relaxed);
}

void ClearAll(Engine &engine)
{
    engine.PasteBuffer.fill(0);
    engine.DmxOut.fill(0, 512, 0);
    engine.SceneMemory.fill(RateRowOffset, RateRowOffset + RowSize, 255);
    engine.SceneMemory.fill(StaticOffset, SceneMemorySize, 0);
    engine.SceneMemory.copyFrom(ShowHeader, SystemRowOffset);
    engine.setSys(SysRed, 190);
    engine.setSys(SysGreen, 197);
    engine.setSys(SysBlue, 190);
    engine.setSys(SysColorLock, 1);
    store(engine.PlayMode, 0);
    engine.setSys(SysTempo, 44);
    engine.setSys(SysCurrentScene, 0);
    engine.setSys(SysLastScene, 1);
    // The generators' settings pass from the old show, but a generator with no
    // levels at all (a fresh start) would send nothing when switched on: its step goes full.
    for (const auto &[bright, dark] :
         {std::pair{SysAvtomat1Bright, SysAvtomat1Dark}, {SysAvtomat2Bright, SysAvtomat2Dark}})
        if (engine.sys(bright) == 0 && engine.sys(dark) == 0)
            engine.setSys(bright, 255);
    engine.graph = GraphView{};
}

void initialiseAtStart(Engine &engine)
{
    engine.CoderTable.set(0, 0);
    for (std::uint16_t i = 1; i < DmxFrameSize; ++i)
        engine.CoderTable.set(i, i);
    engine.SceneMemory.fill(NamesOffset, StaticOffset, 0);
    engine.setSys(SysAvtomat1Tempo, 50);
    engine.setSys(SysAvtomat2Tempo, 50);
}

} // namespace korvanel
