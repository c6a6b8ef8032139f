#include "editing/StaticPictures.h"

#include <algorithm>

namespace korvanel {

namespace {

template <std::size_t N>
void keep(const Engine &engine, std::size_t offset, std::array<std::uint8_t, N> &into)
{
    engine.SceneMemory.copyTo(into, offset);
}

template <std::size_t N>
void putBack(Engine &engine, std::size_t offset, const std::array<std::uint8_t, N> &from)
{
    engine.SceneMemory.copyFrom(from, offset);
}

} // namespace

void beginPictureRecording(Engine &engine, PictureSave &save)
{
    keep(engine, sceneRow(0), save.scene0);
    keep(engine, RateRowOffset, save.rates);
    save.currentScene = engine.currentScene();
    engine.setSys(SysCurrentScene, 0);
    RaschetAdr(engine, 0);
    engine.SceneMemory.fill(sceneRow(0), sceneRow(1), 0);
}

void keepSelection(Engine &engine, PictureSave &save)
{
    keep(engine, SelectionOffset, save.selection);
    engine.SceneMemory.fill(SelectionOffset, SelectionOffset + RowSize, 0);
}

void endPictureRecording(Engine &engine, const PictureSave &save)
{
    putBack(engine, sceneRow(0), save.scene0);
    putBack(engine, RateRowOffset, save.rates);
    engine.setSys(SysCurrentScene, save.currentScene);
    RaschetAdr(engine, save.currentScene);
    putBack(engine, SelectionOffset, save.selection);
}

void ReadChaser(Engine &engine, std::size_t k)
{
    if (k >= StaticPictureCount)
        return;
    for (std::size_t i = 0; i < RowSize; ++i) {
        const std::uint8_t flag = engine.SceneMemory.get(pictureFlag(k, i));
        engine.SceneMemory.set(selectionByte(i), flag);
        engine.SceneMemory.set(sceneByte(0, i), flag == 1 ? engine.SceneMemory.get(pictureLevel(k, i)) : 0);
    }
}

void SaveChaser(Engine &engine, std::size_t k)
{
    if (k >= StaticPictureCount)
        return;
    for (std::size_t i = 0; i < RowSize; ++i) {
        engine.SceneMemory.set(pictureFlag(k, i), engine.SceneMemory.get(selectionByte(i)));
        engine.SceneMemory.set(pictureLevel(k, i), engine.SceneMemory.get(sceneByte(0, i)));
    }
}

void copySceneToPictureBuffer(Engine &engine, int position)
{
    const auto source = static_cast<std::size_t>((position + 1) & 0xFF);
    if (source != 0) {
        for (std::size_t i = 0; i < RowSize; ++i)
            engine.SceneMemory.set(sceneByte(0, i), engine.SceneMemory.get(sceneByte(source, i)));
    }
    engine.SceneMemory.fill(SelectionOffset, SelectionOffset + RowSize, 0);
}

void eraseSceneBuffer(Engine &engine)
{
    engine.SceneMemory.fill(sceneRow(0), sceneRow(1), 0);
    engine.SceneMemory.fill(SelectionOffset, SelectionOffset + RowSize, 0);
}

void eraseAllPictures(Engine &engine)
{
    engine.SceneMemory.fill(StaticOffset, StaticOffset + StaticPictureCount * StaticPictureSize, 0);
    eraseSceneBuffer(engine);
}

} // namespace korvanel

namespace korvanel {

void putBorrowedRows(const PictureSave &save, ShowImage &image)
{
    std::copy(save.scene0.begin(), save.scene0.end(), image.begin() + static_cast<std::ptrdiff_t>(sceneRow(0)));
    std::copy(save.rates.begin(), save.rates.end(), image.begin() + static_cast<std::ptrdiff_t>(RateRowOffset));
    std::copy(save.selection.begin(), save.selection.end(),
              image.begin() + static_cast<std::ptrdiff_t>(SelectionOffset));
    image[SysCurrentScene] = save.currentScene;
}

} // namespace korvanel
