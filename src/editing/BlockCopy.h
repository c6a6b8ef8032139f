#pragma once
// Block copies of channel ranges inside scene rows. Each copy takes the undo
// snapshot first, then checks its limit; a refused copy changes nothing else.

#include <cstdint>

#include "core/Engine.h"

namespace korvanel {

// Channels first..last (inclusive) copied to dest.. in ascending order, each
// source byte read after the earlier writes, so a destination inside the
// block repeats its head (1..10 to 5 gives 5..14 = 1,2,3,4,1,2,3,4,1,2).
struct ChannelBlock {
    int first;
    int last;
    int dest;
};

// Scenes first..last, each copy worked on scene (offset + s) taken as a byte.
struct SceneRange {
    int first;
    int last;
    int offset;
};

enum class BlockCopyResult { Copied, TooManyChannels, TooManyScenes };

// The current scene; refused when last - first + dest > 256.
[[nodiscard]] BlockCopyResult copyChannelsInCurrentScene(Engine &engine, ChannelBlock block);

// Every scene row 0..255, whatever the show's last scene; refused when
// last - first + dest >= 256.
[[nodiscard]] BlockCopyResult copyChannelsInAllScenes(Engine &engine, ChannelBlock block);

// The same copy under the wider limit of its second button: refused when
// last - first + dest > 256.
[[nodiscard]] BlockCopyResult copyChannelsInAllScenesWide(Engine &engine, ChannelBlock block);

// The scenes of the range; refused when last + dest > 256 (channels), else
// when scenes.last + scenes.offset > 256 (scenes).
[[nodiscard]] BlockCopyResult copyChannelsInSceneRange(Engine &engine, ChannelBlock block, SceneRange scenes);

} // namespace korvanel
