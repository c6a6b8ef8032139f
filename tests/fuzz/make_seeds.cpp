// Writes the seed files of the fuzzers with the program's own writers, plus
// the odd cases too big to keep in the repository: fuzz_make_seeds FOLDER
// makes FOLDER/<target>/ for each target. The small hand-made cases are kept
// in tests/fuzz/corpus/<target>/.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "control/midi/MidiBindingText.h"
#include "files/ChannelNames.h"
#include "files/CoderTableFile.h"
#include "files/ColorFile.h"
#include "files/SettingsFile.h"
#include "files/ShowFile.h"
#include "output/CoderTable.h"
#include "ui/widgets/NameCodec.h"

using namespace korvanel;
namespace fs = std::filesystem;

namespace {

bool ok = true;

void expect(bool written, const fs::path &path)
{
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        ok = false;
    }
}

void writeBytes(const fs::path &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    expect(static_cast<bool>(out), path);
}

std::string fileText(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A show as an operator leaves it: scenes, rates, names, pictures, a selection, tempos.
void busyShow(Engine &engine)
{
    initialiseAtStart(engine);
    ClearAll(engine);
    for (std::size_t scene = 0; scene < 40; ++scene)
        for (std::size_t c = 1; c <= ChannelCount; ++c)
            engine.SceneMemory.set(sceneByte(scene, c), static_cast<std::uint8_t>((scene * 37 + c * 11) & 0xFF));
    for (std::size_t c = 1; c <= ChannelCount; ++c)
        engine.SceneMemory.set(rateByte(c), static_cast<std::uint8_t>(c % 8 == 0 ? 255 : 1 << (c % 8)));
    const char *names[] = {"Прожектор 1", "Пушка ЛЕВ", "Ёлка", "Stage wash", "Заливка сцены 16"};
    for (std::size_t c = 0; c < 5; ++c)
        SaveEdit(engine, c + 1, padName(NameCodec::instance().encode(QString::fromUtf8(names[c]))));
    zeroNameBlanks(engine);
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        for (std::size_t c = k; c < RowSize; c += 5) {
            engine.SceneMemory.set(pictureFlag(k, c), 1);
            engine.SceneMemory.set(pictureLevel(k, c), static_cast<std::uint8_t>(255 - c));
        }
    for (std::size_t c = 10; c < 20; ++c)
        engine.SceneMemory.set(selectionByte(c), 1);
    engine.setSys(SysLastScene, 39);
    engine.setSys(SysCurrentScene, 7);
    engine.setSys(SysTempo, 90);
    engine.setSys(SysAvtomat1Channel, 12);
    engine.setSys(SysAvtomat1Mode, 3);
}

void showSeeds(const fs::path &folder)
{
    const auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    ClearAll(*engine);
    expect(saveShowFile(*engine, folder / "cleared.kvl").ok(), folder / "cleared.kvl");
    busyShow(*engine);
    expect(saveShowFile(*engine, folder / "busy.kvl").ok(), folder / "busy.kvl");
    // The autosave keeps whatever header the memory holds.
    engine->SceneMemory.fill(0, ShowHeaderSize, 0xFF);
    expect(writeShowFile(*engine, folder / "autosave.kvl").ok(), folder / "autosave.kvl");

    const std::string busy = fileText(folder / "busy.kvl");
    writeBytes(folder / "one-short.kvl", std::string_view(busy).substr(0, SceneMemorySize - 1));
    writeBytes(folder / "zeros.kvl", std::string(SceneMemorySize, '\0'));
    writeBytes(folder / "ones.kvl", std::string(SceneMemorySize, '\xFF'));
    writeBytes(folder / "huge.kvl", busy + busy);
}

void colorSeeds(const fs::path &folder)
{
    const auto colors = std::make_unique<ChannelColors>();
    colors->setStartNameColors();
    colors->GraphHint.fill(NoGraphHint);
    for (std::size_t c = 0; c < 256; ++c) {
        colors->SplitColorRed[c] = static_cast<std::uint8_t>(c);
        colors->SplitColorGreen[c] = static_cast<std::uint8_t>(255 - c);
        colors->GraphHint[c] = static_cast<std::uint8_t>(c % 40);
    }
    expect(writeColorFile((folder / "start.col").string(), *colors).ok(), folder / "start.col");
    const std::string start = fileText(folder / "start.col");
    writeBytes(folder / "one-short.col", std::string_view(start).substr(0, ColorFileSize - 1));
    writeBytes(folder / "ones.col", std::string(ColorFileSize, '\xFF'));
    writeBytes(folder / "huge.col", start + std::string(4 * ColorFileSize, 'x'));
}

void coderSeeds(const fs::path &folder)
{
    const auto engine = std::make_unique<Engine>();
    initialiseAtStart(*engine);
    expect(writeCoderTableFile((folder / "identity.kvr").string(), coderEntries(*engine)).ok(),
           folder / "identity.kvr");
    CoderEntries entries{};
    for (std::size_t i = 0; i < CoderFileEntries; ++i)
        entries[i] = static_cast<std::uint16_t>(i == 0 ? 0 : 256 - i);
    expect(writeCoderTableFile((folder / "reversed.kvr").string(), entries).ok(), folder / "reversed.kvr");
    // Entries no frame slot has: past 255, past 512, the largest word.
    for (std::size_t i = 0; i < CoderFileEntries; ++i)
        entries[i] = static_cast<std::uint16_t>(i % 3 == 0 ? 256 + i : i % 3 == 1 ? 0xFFFF : 513);
    expect(writeCoderTableFile((folder / "outside.kvr").string(), entries).ok(), folder / "outside.kvr");
    const std::string identity = fileText(folder / "identity.kvr");
    writeBytes(folder / "one-short.kvr", std::string_view(identity).substr(0, CoderFileSize - 1));
    writeBytes(folder / "huge.kvr", identity + std::string(16 * CoderFileSize, '\xAB'));
}

void settingsSeeds(const fs::path &folder)
{
    IniSettings settings;
    for (std::size_t n = 0; n < ConveyorSlotCount; n += 3)
        settings.ConveyorFiles[n] = "/home/op/shows/Концерт " + std::to_string(n + 1) + ".kvl";
    settings.Path = "/home/op/shows/Новогодний.kvl";
    settings.Coder = "/opt/korvanel/korvanel.kvr";
    expect(WriteIniFile((folder / "fresh.ini").string(), settings).ok(), folder / "fresh.ini");

    // A file edited by hand and by other programs: comments, foreign and repeated
    // sections, blanks around '=', CRLF line ends, a key given twice.
    writeBytes(folder / "foreign.ini",
               "; written by hand\r\n[Konveir]\r\nFile01 = C:\\Shows\\Concert.kvl  \r\nfile02=\r\n"
               "[Other]\r\nkey=value\r\n\r\n[konveir]\r\nFile03=/shows/third.kvl\r\nFile01=/ignored\r\n"
               "# end\r\n[LastFile]\r\nPath\t=\t/shows/last.kvl\r\nunknown line\r\n");
    expect(WriteIniFile((folder / "foreign.ini").string(), settings).ok(), folder / "foreign.ini");

    std::string huge = fileText(folder / "fresh.ini");
    for (int section = 0; huge.size() < 128 * 1024; ++section) {
        huge += "[Section" + std::to_string(section) + "]\n";
        for (int key = 0; key < 40; ++key)
            huge += "Key" + std::to_string(key) + "=" + std::string(static_cast<std::size_t>(key), 'v') + "\n";
    }
    writeBytes(folder / "huge.ini", huge);
}

void nameSeeds(const fs::path &folder)
{
    const char *names[] = {"Прожектор 1", "Пушка ЛЕВ", "Ёлка", "Stage wash", "Заливка сцены 16", "№ 5 «дым»"};
    int n = 0;
    for (const char *name : names)
        writeBytes(folder / ("name" + std::to_string(n++)),
                   NameCodec::instance().encode(QString::fromUtf8(name).left(static_cast<qsizetype>(NameSize))));
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high += static_cast<char>(b);
    for (std::size_t at = 0; at < high.size(); at += NameSize)
        writeBytes(folder / ("high" + std::to_string(at / NameSize)), high.substr(at, NameSize));
}

void showNameSeeds(const fs::path &folder)
{
    const std::string paths[] = {"/home/op/shows/Новогодний.kvl",
                                 "C:\\Shows\\Concert.kvl",
                                 "/shows.d/plain",
                                 "/shows/.hidden.kvl",
                                 "/shows/\xC0\xE1\xE2\xE3\xE4\xE5\xE6\xE7.kvl",
                                 "/shows/" + std::string(4096, 'a') + ".kvl"};
    int n = 0;
    for (const std::string &path : paths) {
        writeBytes(folder / ("path" + std::to_string(n) + "-7"), std::string(1, '\x07') + path);
        writeBytes(folder / ("path" + std::to_string(n++) + "-8"), std::string(1, '\x08') + path);
    }
}

void midiBindingSeeds(const fs::path &folder)
{
    MidiBindings bindings = defaultMidiBindings();
    bindings.bind({{MidiControlKind::Bend, 1, 0}, {MidiTargetKind::Tempo, 0}});
    bindings.bind({{MidiControlKind::Note, 9, 60}, {MidiTargetKind::Step, -1}});
    bindings.bind({{MidiControlKind::Control, 0, 64}, {MidiTargetKind::Slot, 20}});
    writeBytes(folder / "written", midiBindingsText(bindings));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    const std::pair<const char *, void (*)(const fs::path &)> targets[] = {
        {"show_file", showSeeds},
        {"color_file", colorSeeds},
        {"coder_table_file", coderSeeds},
        {"settings_file", settingsSeeds},
        {"name_codec", nameSeeds},
        {"show_names", showNameSeeds},
        {"midi_bindings", midiBindingSeeds},
    };
    for (const auto &[name, make] : targets) {
        fs::create_directories(root / name);
        make(root / name);
    }
    return ok ? 0 : 1;
}
