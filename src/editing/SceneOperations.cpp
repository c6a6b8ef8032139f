#include "editing/SceneOperations.h"

#include <algorithm>

#include "editing/Undo.h"

namespace korvanel {

namespace {

bool playing(const Engine &engine) { return load(engine.PlayMode) == 1; }

void copyRow(Engine &engine, std::size_t fromScene, std::size_t toScene)
{
    for (std::size_t c = 0; c < RowSize; ++c)
        engine.SceneMemory.set(sceneByte(toScene, c), engine.SceneMemory.get(sceneByte(fromScene, c)));
}

} // namespace

bool InsertNewScena(Engine &engine)
{
    const std::uint8_t current = engine.currentScene();
    if (current == 255)
        return false;
    const std::size_t n = current + 1u;
    engine.setSys(SysCurrentScene, static_cast<std::uint8_t>(n));
    // Descending, so every byte is read before it is overwritten; byte 0 of
    // the new row keeps its old value.
    for (std::size_t i = SceneMemorySize - 1; i > sceneRow(n); --i)
        engine.SceneMemory.set(i, engine.SceneMemory.get(i - RowSize));
    const std::uint8_t last = engine.sys(SysLastScene);
    if (last < 255)
        engine.setSys(SysLastScene, static_cast<std::uint8_t>(last + 1));
    return true;
}

void DeleteScena(Engine &engine)
{
    const std::uint8_t n = engine.currentScene();
    for (std::size_t i = sceneRow(n); i < sceneRow(255); ++i)
        engine.SceneMemory.set(i, engine.SceneMemory.get(i + RowSize));
    // Nothing is left to move into the top row; an empty row keeps no stale copy.
    engine.SceneMemory.fill(sceneRow(255), SceneMemorySize, 0);

    const std::uint8_t last = engine.sys(SysLastScene);
    if (n != 0 && n >= last)
        engine.setSys(SysCurrentScene, static_cast<std::uint8_t>(n - 1));
    if (last > 0)
        engine.setSys(SysLastScene, static_cast<std::uint8_t>(last - 1));
}

void SaveToPaste(Engine &engine) { engine.SceneMemory.copyTo(engine.PasteBuffer, sceneRow(engine.currentScene())); }

void LoadFromPaste(Engine &engine)
{
    ToMemoryUndo(engine);
    engine.SceneMemory.copyFrom(engine.PasteBuffer, sceneRow(engine.currentScene()));
}

EditOutcome insertScene(Engine &engine)
{
    if (playing(engine))
        return {};
    ToMemoryUndo(engine);
    InsertNewScena(engine);
    return {true, 1};
}

EditOutcome deleteScene(Engine &engine)
{
    if (playing(engine))
        return {};
    ToMemoryUndo(engine);
    DeleteScena(engine);
    return {true, 1};
}

EditOutcome clearScene(Engine &engine)
{
    if (playing(engine))
        return {};
    ToMemoryUndo(engine);
    const std::size_t row = sceneRow(engine.currentScene());
    engine.SceneMemory.fill(row, row + RowSize, 0);
    return {true, 1};
}

EditOutcome copyPreviousScene(Engine &engine)
{
    if (playing(engine))
        return {};
    ToMemoryUndo(engine);
    const std::uint8_t current = engine.currentScene();
    if (current != 0)
        copyRow(engine, current - 1u, current);
    return {true, 1};
}

EditOutcome copySceneToBuffer(Engine &engine)
{
    if (playing(engine))
        return {};
    SaveToPaste(engine);
    return {true, 0};
}

EditOutcome replaceWithBuffer(Engine &engine)
{
    if (playing(engine))
        return {};
    ToMemoryUndo(engine);
    LoadFromPaste(engine);
    return {true, 2};
}

EditOutcome insertSceneAndPaste(Engine &engine)
{
    if (playing(engine))
        return {};
    ToMemoryUndo(engine);
    InsertNewScena(engine);
    // The paste takes its own snapshot after the insertion: undo then keeps
    // the inserted duplicate and takes back only the pasted levels.
    LoadFromPaste(engine);
    return {true, 2};
}

StepOutcome stepToScene(Engine &engine, int position, bool autoAdd)
{
    if (playing(engine))
        return {};
    // Scene numbers are bytes: a position past 255 cannot name a scene.
    const auto scene = static_cast<std::uint8_t>(std::clamp(position, 0, 255));
    engine.setSys(SysCurrentScene, scene);
    StepOutcome outcome{true, false};
    if (autoAdd && scene > engine.sys(SysLastScene)) {
        copyRow(engine, scene - 1u, scene);
        engine.setSys(SysLastScene, scene);
        outcome.appended = true;
    }
    return outcome;
}

} // namespace korvanel
