#include "editing/SceneAccess.h"

namespace korvanel {

namespace {
// A channel past the row would land in the next scene's levels.
void writeInRow(Engine &engine, std::uint8_t scene, std::size_t channel, std::uint8_t value)
{
    if (channel < RowSize)
        engine.SceneMemory.set(sceneByte(scene, channel), value);
}
} // namespace

void DataWrite(Engine &engine, std::uint8_t scene, std::uint8_t channel, std::int32_t value)
{
    engine.SceneMemory.set(sceneByte(scene, channel), clampLevel(value));
}

std::uint8_t DataRead(const Engine &engine, std::uint8_t scene, std::uint8_t channel)
{
    return engine.SceneMemory.get(sceneByte(scene, channel));
}

void DataWriteXY(Engine &engine, std::uint8_t scene, std::uint8_t pair, std::int32_t x, std::int32_t y)
{
    writeInRow(engine, scene, std::size_t{pair} + 1, clampLevel(x));
    writeInRow(engine, scene, std::size_t{pair} + 2, clampLevel(y));
}

} // namespace korvanel
