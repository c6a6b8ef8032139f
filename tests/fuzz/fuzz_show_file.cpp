// The show file: any bytes on disk either load whole or change nothing, and
// whatever loads drives the frame, the sequencer, the hand scan and the names
// without reaching outside the show memory; saved again it reads back the same.

#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "files/ChannelNames.h"
#include "files/ShowFile.h"
#include "output/FrameAssembly.h"
#include "playback/EffectGenerator.h"
#include "playback/HandScan.h"
#include "playback/Sequencer.h"
#include "playback/Tempo.h"

using namespace korvanel;

namespace {

const ShowImage &pattern()
{
    static const auto image = [] {
        auto made = std::make_unique<ShowImage>();
        for (std::size_t i = 0; i < SceneMemorySize; ++i)
            (*made)[i] = static_cast<std::uint8_t>(i * 7 + 3);
        return made;
    }();
    return *image;
}

bool memoryIs(const Engine &engine, const std::uint8_t *bytes)
{
    const auto image = std::make_unique<ShowImage>();
    engine.SceneMemory.copyTo(*image);
    return std::memcmp(image->data(), bytes, SceneMemorySize) == 0;
}

// Every live override on, so each reads the loaded bytes.
void everythingLive(Engine &engine)
{
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        engine.live.pictures.set(k, 1);
    store(engine.live.manual, 1);
    for (std::size_t k = 1; k <= FaderCount; ++k)
        engine.live.faderChecked.set(k, 1);
    store(engine.FaderPageOffset, engine.sys(SysAvtomat1Channel));
    store(engine.live.HandScanActive, 1);
    store(engine.live.macrosDown, 1);
    store(engine.Avtomat1Running, 1);
    store(engine.Avtomat2Running, 1);
    engine.live.avtomatChannel.set(0, engine.sys(SysAvtomat1Channel));
    engine.live.avtomatChannel.set(1, engine.sys(SysAvtomat2Channel));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string path = fuzz::writeScratchFile("show.kvl", data, size);
    const auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    engine->SceneMemory.copyFrom(pattern());

    const FileResult result = loadShowFile(*engine, path);
    if (size < SceneMemorySize) {
        FUZZ_CHECK(result.error == FileError::ShortFile);
        FUZZ_CHECK(memoryIs(*engine, pattern().data()));
        return 0;
    }
    FUZZ_CHECK(result.ok());
    FUZZ_CHECK(memoryIs(*engine, data));

    // What the program does with a show it has just loaded.
    Engine &e = *engine;
    RaschetAdr(e, e.currentScene());
    everythingLive(e);
    for (std::uint8_t mode = 0; mode <= 3; ++mode) {
        store(e.live.fadeMode, mode);
        store(e.PlayMode, mode & 1);
        computeCrossfadeSteps(e, sequencerIntervalMs(e.sys(SysTempo)));
        buildFrame(e);
        FUZZ_CHECK(e.DmxOut.get(0) == 0);
    }
    for (const std::size_t tempo : {SysAvtomat1Tempo, SysAvtomat2Tempo}) {
        const int interval = generatorIntervalMs(e.sys(tempo));
        FUZZ_CHECK(interval >= 25 && interval <= 2500);
    }
    for (int step = 0; step < 3; ++step)
        advanceScene(e, step != 1);
    writeHandScanPairs(e, padLevels(data[0], data[1], true, false, true), true);
    for (std::size_t channel = 0; channel <= ChannelCount; ++channel)
        LoadEdit(e, channel);
    zeroNameBlanks(e);

    // The autosave writes memory as it is; it must read back byte for byte.
    const std::string copy = fuzz::scratchPath("copy.kvl");
    FUZZ_CHECK(writeShowFile(e, copy).ok());
    const auto image = std::make_unique<ShowImage>();
    FUZZ_CHECK(readShowImage(copy, *image).ok());
    FUZZ_CHECK(memoryIs(e, image->data()));
    return 0;
}
