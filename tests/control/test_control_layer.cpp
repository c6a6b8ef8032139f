// The control layer on its own: commands from several sources, who holds a
// picture, latches, sources that go away, and what reaches the live state.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control/ControlLayer.h"
#include "core/Engine.h"

using namespace korvanel;

namespace {

const Source Key{SourceKind::Keyboard, 0};
const Source Phone1{SourceKind::Phone, 1};
const Source Phone2{SourceKind::Phone, 2};
const Source Window{SourceKind::Window, 0};

struct WindowStandIn final : ControlLayer::Actions {
    explicit WindowStandIn(Engine &engine) : engine(engine) {}
    void play() override { ++plays; }
    void stop() override { ++stops; }
    void conveyorSlot(int slot) override { slots.push_back(slot); }
    void blackoutChanged() override { told += "b"; }
    void tempoChanged() override { told += "t"; }
    void sceneChanged() override { told += "s"; }
    void faderMoved(int channel) override { say('f', channel); }
    void selectionChanged(int channel) override { say('c', channel); }
    void say(char what, int channel)
    {
        told += what;
        told += std::to_string(channel);
    }
    void faderPageChanged() override { told += "p"; }
    void padMoved(bool selectionChanged) override { told += selectionChanged ? "P" : "m"; }
    Engine &engine;
    int plays = 0;
    int stops = 0;
    std::vector<int> slots;
    std::string told;
};

Command picture(const Source &source, int index, bool down, bool latch = false)
{
    return {source, command::Picture{index, down, latch}};
}

} // namespace

TEST(PictureHolds, APictureStaysOnWhileAnySourceHoldsItOrHasLatchedIt)
{
    PictureHolds holds;
    EXPECT_TRUE(holds.press(Key, 2));
    EXPECT_FALSE(holds.press(Phone1, 2)) << "already on";
    EXPECT_FALSE(holds.release(Phone1, 2, false)) << "the key still holds it";
    EXPECT_TRUE(holds.on(2));
    EXPECT_TRUE(holds.release(Key, 2, false));
    EXPECT_FALSE(holds.on(2));

    // Let go under a latch it stays; a release never pressed for changes nothing.
    holds.press(Key, 5);
    holds.release(Key, 5, true);
    EXPECT_TRUE(holds.on(5));
    EXPECT_FALSE(holds.release(Phone1, 5, false)) << "a stray release is no tap";
    EXPECT_EQ(holds.releaseAll(Key), 0) << "a latch outlives its source";
    EXPECT_TRUE(holds.on(5));
    // Another source's tap ends it on purpose; a tap of its own under a latch keeps it.
    holds.press(Phone2, 5);
    holds.release(Phone2, 5, true);
    EXPECT_TRUE(holds.on(5));
    holds.press(Phone2, 5);
    EXPECT_TRUE(holds.release(Phone2, 5, false));
    EXPECT_FALSE(holds.on(5));

    // A source held from before a latch does not end it by letting go.
    holds.press(Key, 7);
    holds.press(Phone1, 7);
    holds.release(Phone1, 7, true);
    EXPECT_FALSE(holds.release(Key, 7, false));
    EXPECT_TRUE(holds.on(7));

    // The window's box is the last word; out of range is nothing.
    holds.press(Phone1, 9);
    EXPECT_TRUE(holds.set(9, false));
    EXPECT_FALSE(holds.heldBy(Phone1, 9));
    EXPECT_FALSE(holds.release(Phone1, 9, false));
    EXPECT_FALSE(holds.press(Key, 16) || holds.press(Key, -1) || holds.set(16, true));
    EXPECT_EQ(holds.onBits(), 1u << 7);
}

TEST(ControlLayer, CommandsReachTheLiveStateAndTheWindowAndEveryFollowerHearsOfPictures)
{
    auto engine = std::make_unique<Engine>();
    ControlLayer layer(*engine);
    WindowStandIn window(*engine);
    layer.setActions(window);
    std::vector<std::uint16_t> heard;
    layer.onPicturesChanged([&](std::uint16_t changed) { heard.push_back(changed); });

    layer.apply(picture(Key, 3, true));
    layer.apply(picture(Phone1, 3, true));
    layer.apply(picture(Phone1, 3, false));
    EXPECT_EQ(engine->live.pictures.get(3), 1);
    layer.apply(picture(Phone1, 0, true));
    layer.sourceGone(Phone1);
    EXPECT_EQ(engine->live.pictures.get(0), 0) << "a phone that went away let go";
    layer.apply(picture(Key, 3, false));
    EXPECT_EQ(engine->live.pictures.get(3), 0);
    layer.apply({Window, command::PictureSwitch{15, true}});
    EXPECT_EQ(engine->live.pictures.get(15), 1);
    EXPECT_EQ(heard, (std::vector<std::uint16_t>{1u << 3, 1u << 0, 1u << 0, 1u << 3, 1u << 15}));

    store(engine->PlayMode, 1);
    layer.apply({Key, command::BlackoutToggle{}});
    EXPECT_EQ(load(engine->live.blackout), 1);
    EXPECT_EQ(load(engine->PlayMode), 0) << "the key stops the stepping";
    store(engine->PlayMode, 1);
    layer.apply({Phone1, command::Blackout{true}});
    EXPECT_EQ(load(engine->PlayMode), 1) << "no change of the blackout, no stop";
    layer.apply({Phone2, command::Blackout{false}});
    EXPECT_EQ(window.told, "bb");
    layer.apply({Phone2, command::Play{}});
    layer.apply({Key, command::Stop{}});
    layer.apply({Key, command::ConveyorSlot{20}});
    layer.apply({Key, command::ConveyorSlot{21}});
    EXPECT_EQ(window.plays, 1);
    EXPECT_EQ(window.stops, 1);
    EXPECT_EQ(window.slots, std::vector<int>{20});
    EXPECT_EQ(layer.state().pictures, 1u << 15);
    EXPECT_FALSE(layer.state().blackout);
}

TEST(ControlLayer, TempoScenesFadersPageAndPadKeepToTheirRangesAndToAPlayingShow)
{
    auto engine = std::make_unique<Engine>();
    ControlLayer layer(*engine);
    WindowStandIn window(*engine);
    layer.setActions(window);
    engine->setSys(SysLastScene, 3);

    layer.apply({Phone1, command::Tempo{500}});
    EXPECT_EQ(layer.state().tempo, 170);
    layer.apply({Phone1, command::Tempo{0}});
    EXPECT_EQ(layer.state().tempo, 10);

    // Stepping reaches one past the last scene, no further; with auto-add that adds one.
    layer.apply({Phone1, command::StepScene{+9}});
    EXPECT_EQ(layer.state().scene, 4);
    EXPECT_EQ(layer.state().lastScene, 3);
    layer.setAutoAddScenes(true);
    engine->SceneMemory.set(sceneByte(3, 7), 99);
    layer.apply({Phone1, command::GoToScene{4}});
    EXPECT_EQ(layer.state().lastScene, 4);
    EXPECT_EQ(engine->level(4, 7), 99) << "a copy of the last";
    layer.apply({Phone1, command::StepScene{-10}});
    EXPECT_EQ(layer.state().scene, 0);

    // A fader on the page moves its row and the scene; off the page only the scene.
    layer.apply({Window, command::FaderPage{300}});
    EXPECT_EQ(layer.state().pageOffset, int{MaxFaderPageOffset});
    layer.apply({Window, command::FaderPage{10}});
    layer.apply({Window, command::FaderPage{10}}); // the page shown: nothing to reread
    layer.apply({Phone1, command::FaderLevel{12, 300}});
    EXPECT_EQ(layer.state().faders[1], 255);
    EXPECT_EQ(engine->level(0, 12), 255);
    layer.apply({Phone1, command::FaderLevel{5, 40}});
    EXPECT_EQ(engine->level(0, 5), 40);
    layer.apply({Phone1, command::SelectChannel{37, true}});
    layer.apply({Phone1, command::SelectChannel{38, true}});
    EXPECT_EQ(layer.state().selected, 1u << 26);
    EXPECT_EQ(engine->SceneMemory.get(selectionByte(37)), 1);
    layer.apply({Phone1, command::FaderLevel{0, 1}});
    layer.apply({Phone1, command::SelectChannel{256, true}});

    // Playing: no scene is edited or stepped to; the fader row still plays.
    store(engine->PlayMode, 1);
    layer.apply({Phone1, command::FaderLevel{12, 7}});
    EXPECT_EQ(engine->live.faderPosition.get(2), 7);
    EXPECT_EQ(engine->level(0, 12), 255);
    layer.apply({Phone1, command::GoToScene{2}});
    EXPECT_EQ(layer.state().scene, 0);

    // The pad follows the window's inversions; only a stopped show's scene is written;
    // a selected channel's partner is no channel of its own.
    layer.apply({Phone1, command::PadPriority{true}});
    layer.apply({Phone1, command::Pad{0, 255}});
    layer.setPadOptions({true, false, false});
    store(engine->PlayMode, 0);
    layer.apply({Phone2, command::Pad{0, 255}});
    const ShowState state = layer.state();
    EXPECT_TRUE(state.padPriority);
    EXPECT_EQ(std::pair(state.padX, state.padY), std::pair(255, 0));
    EXPECT_EQ(engine->level(0, 37), 255);
    EXPECT_EQ(engine->SceneMemory.get(selectionByte(38)), 0);
    EXPECT_EQ(window.told,
              "ttssspp"
              "f12f5c37c38f12s"
              "Pm");
}
