// The recoding table file: any bytes either give the 256 entries or leave the
// table as it was; a loaded table, however foreign, never sends a slot from
// outside the computed frame nor touches the start code, and saves back the same.

#include <array>
#include <memory>

#include "FuzzSupport.h"
#include "files/CoderTableFile.h"
#include "output/FrameAssembly.h"

using namespace korvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string path = fuzz::writeScratchFile("table.kvr", data, size);
    CoderEntries entries{};
    for (std::size_t i = 0; i < CoderFileEntries; ++i)
        entries[i] = static_cast<std::uint16_t>(i * 257 + 1);
    const CoderEntries before = entries;

    const CoderFileResult result = readCoderTableFile(path, entries);
    if (size < CoderFileSize) {
        FUZZ_CHECK(result.kind == CoderFileResult::Kind::TooShort);
        FUZZ_CHECK(entries == before);
        return 0;
    }
    FUZZ_CHECK(result.ok());
    for (std::size_t i = 0; i < CoderFileEntries; ++i)
        FUZZ_CHECK(entries[i] == (data[2 * i] | data[2 * i + 1] << 8));

    const auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    static const auto show = [] {
        auto image = std::make_unique<std::array<std::uint8_t, SceneMemorySize>>();
        for (std::size_t i = 0; i < SceneMemorySize; ++i)
            (*image)[i] = static_cast<std::uint8_t>(i % 251 + 1);
        return image;
    }();
    engine->SceneMemory.copyFrom(*show);
    setCoderEntries(*engine, entries);
    store(engine->live.fadeMode, static_cast<std::uint8_t>(FadeMode::Off));
    buildFrame(*engine);
    FUZZ_CHECK(engine->DmxOut.get(0) == 0);
    // With fades off the frame is the current scene: slot i carries the level of channel entries[i].
    const std::uint8_t scene = engine->currentScene();
    for (std::size_t i = 1; i < MixedSlots; ++i) {
        const std::size_t source = entries[i];
        const bool inScene = source >= 1 && source <= ChannelCount;
        FUZZ_CHECK(engine->DmxOut.get(i) == (inScene ? engine->level(scene, source) : 0));
    }

    FUZZ_CHECK(writeCoderTableFile(path, coderEntries(*engine)).ok());
    CoderEntries again{};
    FUZZ_CHECK(readCoderTableFile(path, again).ok());
    FUZZ_CHECK(again == entries);
    return 0;
}
