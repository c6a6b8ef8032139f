#include "files/ShowFile.h"

#include <algorithm>
#include <memory>

#include "core/FrameHold.h"
#include "files/ReadPrefix.h"
#include "files/SafeWrite.h"
#include "files/ShowHeader.h"

namespace korvanel {

FileResult readShowImage(const std::string &path, ShowImage &image) { return readFilePrefix(path, image); }

FileResult loadShowFile(Engine &engine, const std::string &path)
{
    const auto image = std::make_unique<ShowImage>();
    const FileResult result = readShowImage(path, *image);
    if (result.ok()) {
        // In a fading mode a frame built from half the new show would carry its mix into the fades after it.
        const FrameHold hold(engine);
        engine.SceneMemory.copyFrom(*image);
    }
    return result;
}

void stampShowHeader(Engine &engine) { engine.SceneMemory.copyFrom(ShowHeader, SystemRowOffset); }

FileResult writeShowFile(const Engine &engine, const std::string &path, const std::function<void(ShowImage &)> &adjust)
{
    const auto image = std::make_unique<ShowImage>();
    engine.SceneMemory.copyTo(*image);
    if (adjust)
        adjust(*image);
    return replaceFileContents(path, *image);
}

FileResult saveShowFile(Engine &engine, const std::string &path)
{
    stampShowHeader(engine);
    return writeShowFile(engine, path);
}

ShowBaseline::ShowBaseline() : m_kept(std::make_unique<ShowImage>()), m_now(std::make_unique<ShowImage>()) {}

void ShowBaseline::imageOf(const Engine &engine, const Adjust &adjust, ShowImage &image)
{
    engine.SceneMemory.copyTo(image);
    if (adjust)
        adjust(image);
    std::fill_n(image.begin(), ShowHeaderSize, 0);
    image[SysCurrentScene] = 0;
}

void ShowBaseline::take(const Engine &engine, const Adjust &adjust) { imageOf(engine, adjust, *m_kept); }

bool ShowBaseline::differs(const Engine &engine, const Adjust &adjust)
{
    imageOf(engine, adjust, *m_now);
    return *m_now != *m_kept;
}

} // namespace korvanel
