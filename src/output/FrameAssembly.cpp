#include "output/FrameAssembly.h"

#include <algorithm>

#include "output/FadeStep.h"

namespace korvanel {

namespace {

void copySceneToOutput(Engine &e, std::size_t base)
{
    for (std::size_t c = 1; c <= ChannelCount; ++c)
        e.DmxOut.set(c, e.SceneMemory.get(base + c));
}

template <typename StepOf>
void fadeToScene(Engine &e, std::size_t base, StepOf stepOf)
{
    for (std::size_t c = 1; c <= ChannelCount; ++c)
        e.FadeTarget.set(c, e.SceneMemory.get(base + c));
    for (std::size_t c = 1; c <= ChannelCount; ++c)
        e.DmxOut.set(c, fadeStep(e.DmxOut.get(c), e.FadeTarget.get(c), stepOf(c)));
}

void layPicture(Engine &e, std::size_t k)
{
    for (std::size_t c = 0; c < MixedSlots; ++c) {
        if (e.SceneMemory.get(pictureFlag(k, c)) == 1)
            e.DmxOut.set(c, e.SceneMemory.get(pictureLevel(k, c)));
    }
}

void writeGenerator(Engine &e, const AtomicByte &running, std::size_t index, const AtomicBytes<4> &out)
{
    if (load(running) == 0)
        return;
    const std::size_t first = std::min(e.live.avtomatChannel.get(index), MaxAvtomatChannel);
    for (std::size_t i = 0; i < 4; ++i)
        e.DmxOut.set(first + 1 + i, out.get(i));
}

} // namespace

void SborDmxStroki(Engine &e)
{
    RaschetAdr(e, e.currentScene());
    const auto base = static_cast<std::size_t>(e.SceneBase.load(std::memory_order_relaxed));

    switch (static_cast<FadeMode>(load(e.live.fadeMode))) {
    case FadeMode::Faders:
        fadeToScene(e, base, [&e](std::size_t c) { return e.SceneMemory.get(rateByte(c)); });
        break;
    case FadeMode::Automatic:
        if (load(e.PlayMode) == 0)
            copySceneToOutput(e, base);
        else
            fadeToScene(e, base, [&e](std::size_t c) { return e.CrossfadeStep.get(c); });
        break;
    default:
        copySceneToOutput(e, base);
        break;
    }
    OutJobAvtomats(e);
}

void OutJobAvtomats(Engine &e)
{
    writeGenerator(e, e.Avtomat1Running, 0, e.Avtomat1Out);
    writeGenerator(e, e.Avtomat2Running, 1, e.Avtomat2Out);
}

void CheckBoxManualScrollBar(Engine &e)
{
    const std::size_t offset = std::min(load(e.FaderPageOffset), MaxFaderPageOffset);
    for (std::size_t k = 1; k <= FaderCount; ++k) {
        if (e.live.faderChecked.get(k) != 0)
            e.DmxOut.set(offset + k, e.live.faderPosition.get(k));
    }
}

void ManualDmx(Engine &e)
{
    for (std::size_t k = 0; k < StaticPictureCount; ++k) {
        if (e.live.pictures.get(k) != 0)
            layPicture(e, k);
    }

    if (load(e.live.manual) != 0)
        CheckBoxManualScrollBar(e);

    if (load(e.live.HandScanActive) != 0) {
        const auto x = load(e.live.HandScanX);
        const auto y = load(e.live.HandScanY);
        // A selected channel 255 carries its Y on slot 256.
        for (std::size_t c = 0; c < MixedSlots; ++c) {
            if (e.SceneMemory.get(selectionByte(c)) == 1) {
                e.DmxOut.set(c, x);
                e.DmxOut.set(c + 1, y);
            }
        }
    }

    if (load(e.live.blackout) != 0)
        e.DmxOut.fill(0, MixedSlots, 0);

    if (load(e.live.macrosDown) != 0)
        layPicture(e, MacrosPicture);

    for (std::size_t i = 0; i < MixedSlots; ++i)
        e.CoderSource.set(i, e.DmxOut.get(i));
    for (std::size_t i = 0; i < MixedSlots; ++i) {
        // Only slots 0..255 are computed: any entry past them sends 0.
        const std::size_t source = e.CoderTable.get(i);
        e.DmxOut.set(i, source < MixedSlots ? e.CoderSource.get(source) : 0);
    }
    // Slot 0 is the start code: a picture flag, a selection byte or a table
    // entry from a foreign file must not turn the frame into a non-DMX packet.
    e.DmxOut.set(0, 0);
    applyGrandMaster(e);
}

void applyGrandMaster(Engine &e)
{
    const unsigned master = std::min<unsigned>(load(e.live.grandMaster), 100);
    if (master == 100)
        return;
    // level x master %, rounded half up: 255 at 50 % is 128.
    for (std::size_t i = 1; i < DmxFrameSize; ++i)
        e.DmxOut.set(i, static_cast<std::uint8_t>((e.DmxOut.get(i) * master * 2 + 100) / 200));
}

} // namespace korvanel
