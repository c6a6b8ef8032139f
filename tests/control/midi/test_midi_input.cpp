// A MIDI controller on the control layer alone: its faders take over softly
// and follow the fader page, its pads hold pictures and press buttons, learning
// binds, and the feedback shows the show.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "control/ControlLayer.h"
#include "control/midi/MidiInput.h"
#include "core/Engine.h"
#include "playback/Tempo.h"

using namespace korvanel;

namespace {

struct WindowStandIn final : ControlLayer::Actions {
    explicit WindowStandIn(Engine &engine) : engine(engine) {}
    void play() override { store(engine.PlayMode, 1); }
    void stop() override { store(engine.PlayMode, 0); }
    void conveyorSlot(int slot) override { slots.push_back(slot); }
    void blackoutChanged() override {}
    void tempoChanged() override {}
    void sceneChanged() override {}
    void faderMoved(int) override {}
    void selectionChanged(int) override {}
    void faderPageChanged() override {}
    void padMoved(bool) override {}
    Engine &engine;
    std::vector<int> slots;
};

constexpr Source Controller{SourceKind::Midi, 1};
constexpr Source Key{SourceKind::Keyboard, 0};

class MidiInputTest : public ::testing::Test {
protected:
    MidiInputTest()
    {
        layer.setActions(window);
        midi.setBindings(defaultMidiBindings());
    }
    MidiInput::Outcome cc(int number, int value, int channel = 0)
    {
        return midi.received({MidiKind::Control, static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(number),
                              static_cast<std::uint16_t>(value)});
    }
    MidiInput::Outcome note(int number, bool on, int channel = 0)
    {
        return midi.received({on ? MidiKind::NoteOn : MidiKind::NoteOff, static_cast<std::uint8_t>(channel),
                              static_cast<std::uint8_t>(number), static_cast<std::uint16_t>(on ? 100 : 0)});
    }
    int row(int k) { return layer.state().faders[static_cast<std::size_t>(k - 1)]; }
    void bind(MidiAddress address, MidiTarget target)
    {
        MidiBindings bindings = midi.bindings();
        ASSERT_TRUE(bindings.bind({address, target}));
        midi.setBindings(bindings);
    }

    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    ControlLayer layer{*engine};
    WindowStandIn window{*engine};
    MidiInput midi{layer, Controller};
    using Outcome = MidiInput::Outcome;
};

} // namespace

TEST_F(MidiInputTest, AFaderActsOnceItMeetsTheLevelAndFollowsTheFaderPage)
{
    layer.apply({Key, command::FaderLevel{3, 128}});
    EXPECT_EQ(cc(3, 0), Outcome::Waiting) << "far from 128: nothing jumps";
    EXPECT_EQ(cc(3, 40), Outcome::Waiting);
    EXPECT_EQ(row(3), 128);
    EXPECT_EQ(cc(3, 70), Outcome::Applied) << "passed 128";
    EXPECT_EQ(row(3), 141);
    EXPECT_EQ(engine->SceneMemory.get(sceneByte(0, 3)), 141) << "the channel's level in the scene";
    EXPECT_EQ(cc(3, 127), Outcome::Applied);
    EXPECT_EQ(row(3), 255);

    // Another page: row 3 is channel 13 at its own level, which the hardware must meet first.
    engine->SceneMemory.set(sceneByte(0, 13), 20);
    layer.apply({Key, command::FaderPage{10}});
    layer.apply({Key, command::FaderLevel{13, 20}});
    EXPECT_EQ(cc(3, 100), Outcome::Waiting);
    EXPECT_EQ(engine->SceneMemory.get(sceneByte(0, 13)), 20);
    EXPECT_EQ(cc(3, 10), Outcome::Applied);
    EXPECT_EQ(engine->SceneMemory.get(sceneByte(0, 13)), 20);
    EXPECT_EQ(engine->SceneMemory.get(sceneByte(0, 3)), 255) << "the old page's channel stays";

    // The keys moved it meanwhile: the hardware waits again.
    layer.apply({Key, command::FaderLevel{13, 200}});
    EXPECT_EQ(cc(3, 20), Outcome::Waiting);
    EXPECT_EQ(row(3), 200);

    bind({MidiControlKind::Bend, 0, 0}, {MidiTargetKind::Tempo, 0});
    layer.apply({Key, command::Tempo{90}});
    EXPECT_EQ(midi.received({MidiKind::Bend, 0, 0, 16383}), Outcome::Waiting);
    EXPECT_EQ(midi.received({MidiKind::Bend, 0, 0, 0}), Outcome::Applied) << "passed 90 on the way down";
    EXPECT_EQ(layer.state().tempo, MinSequencerTempo);
    EXPECT_EQ(midi.received({MidiKind::Bend, 0, 0, 8192}), Outcome::Applied);
    EXPECT_EQ(layer.state().tempo, 90);
}

TEST_F(MidiInputTest, PadsHoldPicturesButtonsActOncePerPressAndAControllerGoneLetsGo)
{
    EXPECT_EQ(note(36, true, 9), Outcome::Applied);
    layer.apply({Key, command::Picture{0, true, false}});
    EXPECT_EQ(note(36, false, 9), Outcome::Applied);
    EXPECT_TRUE(layer.state().pictures & 1) << "the key still holds it";
    layer.apply({Key, command::Picture{0, false, false}});
    EXPECT_EQ(layer.state().pictures, 0);

    EXPECT_EQ(note(51, true), Outcome::Applied);
    EXPECT_EQ(layer.state().pictures, 1 << 15);
    midi.gone();
    EXPECT_EQ(layer.state().pictures, 0) << "an unplugged controller sends no note off";

    // A button on a controller: on its press only, however often it repeats its value.
    bind({MidiControlKind::Control, 0, 64}, {MidiTargetKind::Blackout, 0});
    bind({MidiControlKind::Note, 0, 1}, {MidiTargetKind::Slot, 7});
    bind({MidiControlKind::Note, 0, 2}, {MidiTargetKind::Play, 0});
    EXPECT_EQ(cc(64, 127), Outcome::Applied);
    EXPECT_EQ(cc(64, 127), Outcome::Ignored);
    EXPECT_EQ(cc(64, 0), Outcome::Ignored);
    EXPECT_TRUE(layer.state().blackout);
    cc(64, 127);
    EXPECT_FALSE(layer.state().blackout);
    note(1, true);
    note(1, false);
    EXPECT_EQ(window.slots, std::vector<int>{7});
    note(2, true);
    EXPECT_TRUE(layer.state().playing);

    // A binding of the control's own channel comes before one for any channel.
    bind({MidiControlKind::Note, 4, 36}, {MidiTargetKind::Picture, 2});
    note(36, true, 4);
    EXPECT_EQ(layer.state().pictures, 1 << 1);
    note(36, true, 5);
    EXPECT_EQ(layer.state().pictures, (1 << 1) | 1);
}

TEST_F(MidiInputTest, WhileLearningNothingActsAndTheNextControlTouchedIsBound)
{
    midi.setLearning(true);
    EXPECT_EQ(note(36, true), Outcome::Ignored) << "no target chosen yet";
    midi.learnFor({MidiTargetKind::Step, 1});
    EXPECT_EQ(note(70, false, 2), Outcome::Ignored) << "a release binds nothing";
    EXPECT_EQ(note(70, true, 2), Outcome::Learnt);
    EXPECT_EQ(midi.learnt(), (MidiBinding{{MidiControlKind::Note, 2, 70}, {MidiTargetKind::Step, 1}}));
    EXPECT_EQ(cc(5, 90), Outcome::Ignored) << "one control per target chosen";
    EXPECT_EQ(layer.state().pictures, 0);
    EXPECT_EQ(row(5), 0);
    EXPECT_EQ(layer.state().scene, 0);

    midi.learnFor({MidiTargetKind::Fader, 5});
    EXPECT_EQ(cc(36, 0, 15), Outcome::Learnt);
    midi.setLearning(false);
    note(70, false, 2);
    EXPECT_EQ(layer.state().scene, 0) << "the learnt pad's release does not step";
    note(70, true, 2);
    EXPECT_EQ(layer.state().scene, 1);
    cc(36, 127, 15);
    EXPECT_EQ(row(5), 0) << "a learnt fader takes over softly too";
    cc(36, 1, 15);
    cc(36, 127, 15);
    EXPECT_EQ(row(5), 255);
}

TEST_F(MidiInputTest, FeedbackLightsPadsAndSetsFadersForANewPage)
{
    bind({MidiControlKind::Note, 0, 90}, {MidiTargetKind::Blackout, 0});
    bind({MidiControlKind::Control, 3, 91}, {MidiTargetKind::Play, 0});
    const auto all = midi.feedback(true);
    EXPECT_EQ(all.size(), 27u + 16u + 2u);
    EXPECT_TRUE(midi.feedback(false).empty()) << "nothing changed";

    layer.apply({Key, command::Picture{2, true, false}});
    layer.apply({Key, command::Blackout{true}});
    layer.apply({Key, command::Play{}});
    auto changed = midi.feedback(false);
    std::sort(changed.begin(), changed.end());
    EXPECT_EQ(changed, (std::vector<MidiBytes>{{0x90, 38, 127}, {0x90, 90, 127}, {0xB3, 91, 127}}));
    layer.apply({Key, command::Picture{2, false, false}});
    EXPECT_EQ(midi.feedback(false), (std::vector<MidiBytes>{{0x80, 38, 0}}));

    layer.apply({Key, command::FaderLevel{1, 255}});
    EXPECT_TRUE(midi.feedback(false).empty()) << "fader levels go out with a new page";
    engine->SceneMemory.set(sceneByte(0, 28), 128);
    layer.apply({Key, command::FaderPage{27}});
    layer.apply({Key, command::FaderLevel{28, 128}});
    const auto page = midi.feedback(false);
    ASSERT_EQ(page.size(), 27u);
    EXPECT_EQ(page[0], (MidiBytes{0xB0, 1, 64}));
}
