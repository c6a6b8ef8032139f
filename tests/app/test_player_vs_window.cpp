// The player and the window on the same show and tempo, each against its own
// fake D2XX library: the levels on the wire, in their order, are the same.
#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/AppShell.h"
#include "support/FakeD2xx.h"
#include "support/PlayerRun.h"
#include "support/ScriptedDialogs.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/rightcolumn/RateModeGroup.h"

using namespace korvanel;
using namespace player_test;

namespace {

using Frame = std::vector<std::uint8_t>; // channels 1..255

// Tempo 30: 900 ms a scene, crossfade divisor 18. Every change lands within
// 10 frames (500 ms), well before the next step, so where in the 50 ms tick
// each program's timer fires cannot change the levels. The wrap to scene 0
// steps channel 2 by 90 div 18 = 5: another divisor would show there.
const std::vector<std::vector<std::uint8_t>> Scenes = {
    {180, 90, 90, 0},
    {190, 80, 90, 9},
    {185, 70, 99, 0},
    {175, 60, 90, 5},
};
constexpr std::uint8_t Tempo = 30;

Frame sceneFrame(std::size_t s)
{
    Frame f(255, 0);
    std::copy(Scenes[s].begin(), Scenes[s].end(), f.begin());
    f[254] = 255; // channel 255, sent stuffed
    return f;
}

// Frames collapsed where one repeats the one before.
template <typename WireAt>
std::vector<Frame> levelsOnTheWire(std::uint64_t count, WireAt wireAt)
{
    std::vector<Frame> frames;
    for (std::uint64_t i = 0; i < count; ++i) {
        const SharedFakeD2xx::Levels levels = SharedFakeD2xx::decode(wireAt(i));
        if (levels.empty())
            continue;
        Frame f(levels.begin() + 1, levels.begin() + 256);
        if (frames.empty() || frames.back() != f)
            frames.push_back(std::move(f));
    }
    return frames;
}

// From the first landing on scene 1 to the next one, both included; empty until there are two.
std::vector<Frame> oneRound(const std::vector<Frame> &frames)
{
    const Frame landmark = sceneFrame(1);
    const auto first = std::find(frames.begin(), frames.end(), landmark);
    if (first == frames.end())
        return {};
    const auto second = std::find(first + 1, frames.end(), landmark);
    if (second == frames.end())
        return {};
    return {first, second + 1};
}

} // namespace

TEST(PlayerVsWindow, TheSameShowAndTempoPutTheSameLevelsOnTheWireInTheSameOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    std::vector<std::vector<std::uint8_t>> scenes = Scenes;
    for (auto &scene : scenes) {
        scene.resize(255, 0);
        scene[254] = 255;
    }
    const std::string show = folder / "round.kvl";
    writeBytes(show, showImage(scenes, Tempo));

    // The player, in its own process with its own fake.
    SharedFakeD2xx playerWire(folder / "fake");
    playerWire.plug();
    PlayerRun player(folder, KORVANEL_PLAYER_PROGRAM, {show}, playerWire, executableFolder());

    // The window, here, as the operator plays a show: Автомат, open, Play.
    FakeD2xx windowWire;
    windowWire.plug();
    auto engine = std::make_unique<Engine>();
    TBaseForm form(*engine);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs->fileNames.push_back(QString::fromStdString(show));
    form.setDialogs(std::move(dialogs));
    AppShell shell(*engine, form, dir.filePath("light.exe"), dir.filePath("data"));
    shell.FormCreate();
    form.radioGroupRate()->setItemIndex(1);
    form.control<QAction>("OpenItem")->trigger();
    form.control<QToolButton>("SpeedButtonPlay")->click();
    ASSERT_EQ(load(engine->PlayMode), 1);

    std::vector<Frame> windowRound, playerRound;
    const bool bothWentRound = QTest::qWaitFor(
        [&] {
            windowRound = oneRound(
                levelsOnTheWire(windowWire.writeCount(), [&](std::uint64_t i) { return windowWire.write(i).bytes; }));
            playerRound = oneRound(
                levelsOnTheWire(playerWire.writeCount(), [&](std::uint64_t i) { return playerWire.bytes(i); }));
            return !windowRound.empty() && !playerRound.empty();
        },
        20000);
    shell.FormClose();
    player.process().signal(SIGTERM);
    EXPECT_EQ(player.process().waitFor(5s), 0) << player.log();

    ASSERT_TRUE(bothWentRound);
    ASSERT_FALSE(windowRound.empty()) << "the window went round once";
    ASSERT_FALSE(playerRound.empty()) << "the player went round once: " << player.log();
    for (std::size_t s = 0; s < Scenes.size(); ++s)
        EXPECT_NE(std::find(playerRound.begin(), playerRound.end(), sceneFrame(s)), playerRound.end()) << s;
    EXPECT_EQ(playerRound.size(), 1 + 10 + 10 + 6 + 10u) << "frames of the four changes";
    EXPECT_TRUE(playerRound == windowRound)
        << "player " << playerRound.size() << " frames, window " << windowRound.size();
}
