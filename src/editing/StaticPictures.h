#pragma once
// Recording static pictures. While the recording window is open, scene 0 is
// the edit buffer of the picture's levels and ChannelSelection holds its
// member flags; what they held before is kept aside and put back at the end.

#include <array>
#include <cstdint>

#include "core/Engine.h"
#include "files/ShowFile.h"

namespace korvanel {

// What recording borrows from the show: scene 0, the rates, the current scene
// and the selection.
struct PictureSave {
    std::array<std::uint8_t, RowSize> scene0{};
    std::array<std::uint8_t, RowSize> rates{};
    std::uint8_t currentScene = 0;
    std::array<std::uint8_t, RowSize> selection{};
};

// Keeps scene 0, the rates and the current scene, then makes scene 0 an empty
// buffer shown on output (current scene 0). The selection is kept apart by
// keepSelection, once the window's check boxes are in memory.
void beginPictureRecording(Engine &engine, PictureSave &save);
// Keeps the selection and empties it.
void keepSelection(Engine &engine, PictureSave &save);
// Puts all four back.
void endPictureRecording(Engine &engine, const PictureSave &save);
// The same four into a show image being saved, so that a file written during
// recording holds the show and not the picture buffer.
void putBorrowedRows(const PictureSave &save, ShowImage &image);

// Buffer := picture k: its flags into the selection, its levels into scene 0
// for member channels, 0 elsewhere.
void ReadChaser(Engine &engine, std::size_t k);
// Picture k := the buffer: flags from the selection, all 256 levels of scene 0.
void SaveChaser(Engine &engine, std::size_t k);
// Scene 0 := scene (p + 1) mod 256, selection emptied; p = 255 keeps the buffer's levels.
void copySceneToPictureBuffer(Engine &engine, int position);
// Empties the buffer: scene 0 and the selection.
void eraseSceneBuffer(Engine &engine);
// Empties all sixteen pictures and the buffer.
void eraseAllPictures(Engine &engine);

} // namespace korvanel
