#pragma once
// The show file: the show memory byte for byte, 640 blocks of 128 bytes,
// without magic number, version or checksum. Any header loads.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/Engine.h"
#include "files/FileResult.h"

namespace korvanel {

using ShowImage = std::array<std::uint8_t, SceneMemorySize>;

// The first SceneMemorySize bytes of the file into image; a longer file is
// read only that far. On failure image holds no meaning.
FileResult readShowImage(const std::string &path, ShowImage &image);

// Reads into a buffer of its own and copies into SceneMemory only when the
// whole show was read: a short or unreadable file changes nothing.
FileResult loadShowFile(Engine &engine, const std::string &path);

// Bytes 0..127 of the show become ShowHeader.
void stampShowHeader(Engine &engine);

// SceneMemory as it is, with whatever header it holds (the autosave).
// `adjust` may put back into the image rows that a window has borrowed.
FileResult writeShowFile(const Engine &engine, const std::string &path,
                         const std::function<void(ShowImage &)> &adjust = {});

// Stamps ShowHeader, then writes. A failed write leaves the previous file intact.
FileResult saveShowFile(Engine &engine, const std::string &path);

// The show as a save would write it, kept when it was loaded, saved or
// cleared, to tell whether it has been edited since. The header (each save
// stamps it) and the current scene (a playing show moves it) do not count.
class ShowBaseline {
public:
    using Adjust = std::function<void(ShowImage &)>;

    ShowBaseline();
    void take(const Engine &engine, const Adjust &adjust = {});
    // Allocates nothing: it may run on a timer for as long as the window is open.
    bool differs(const Engine &engine, const Adjust &adjust = {});

private:
    static void imageOf(const Engine &engine, const Adjust &adjust, ShowImage &image);

    std::unique_ptr<ShowImage> m_kept;
    std::unique_ptr<ShowImage> m_now;
};

} // namespace korvanel
