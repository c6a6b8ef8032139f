#include "editing/BlockCopy.h"

#include "editing/Undo.h"

namespace korvanel {

namespace {

// A destination channel of 256 is byte 0 of the next scene's row, which is
// never sent; after scene 255 it would lie past the show memory and is skipped.
// Sources and destinations outside 0..256 come from no control and are skipped too.
void copyBlock(Engine &engine, std::size_t scene, const ChannelBlock &block)
{
    const std::size_t row = sceneRow(scene);
    for (int c = block.first; c <= block.last; ++c) {
        const int to = block.dest + (c - block.first);
        if (c < 0 || c > 255 || to < 0 || to > 256)
            continue;
        const std::size_t target = row + static_cast<std::size_t>(to);
        if (target >= SceneMemorySize)
            continue;
        engine.SceneMemory.set(target, engine.SceneMemory.get(row + static_cast<std::size_t>(c)));
    }
}

int span(const ChannelBlock &block) { return block.last - block.first + block.dest; }

} // namespace

BlockCopyResult copyChannelsInCurrentScene(Engine &engine, ChannelBlock block)
{
    ToMemoryUndo(engine);
    if (span(block) > 256)
        return BlockCopyResult::TooManyChannels;
    copyBlock(engine, engine.currentScene(), block);
    return BlockCopyResult::Copied;
}

BlockCopyResult copyChannelsInAllScenes(Engine &engine, ChannelBlock block)
{
    ToMemoryUndo(engine);
    if (span(block) >= 256)
        return BlockCopyResult::TooManyChannels;
    for (std::size_t s = 0; s < SceneCount; ++s)
        copyBlock(engine, s, block);
    return BlockCopyResult::Copied;
}

BlockCopyResult copyChannelsInAllScenesWide(Engine &engine, ChannelBlock block)
{
    ToMemoryUndo(engine);
    if (span(block) > 256)
        return BlockCopyResult::TooManyChannels;
    for (std::size_t s = 0; s < SceneCount; ++s)
        copyBlock(engine, s, block);
    return BlockCopyResult::Copied;
}

BlockCopyResult copyChannelsInSceneRange(Engine &engine, ChannelBlock block, SceneRange scenes)
{
    ToMemoryUndo(engine);
    if (block.last + block.dest > 256)
        return BlockCopyResult::TooManyChannels;
    if (scenes.last + scenes.offset > 256)
        return BlockCopyResult::TooManyScenes;
    for (int s = scenes.first; s <= scenes.last; ++s)
        copyBlock(engine, static_cast<std::uint8_t>(scenes.offset + s), block);
    return BlockCopyResult::Copied;
}

} // namespace korvanel
