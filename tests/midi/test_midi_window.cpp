// The window with a MIDI controller on a JACK server of the test's own: a
// fader takes a channel over softly, a pad holds a picture and is lit,
// learning binds a touched control, and a controller plugged in again is taken
// back. Skipped, with the reason, only where jackd cannot run.
#include "ui/live_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <filesystem>

#include "midi/JackServer.h"
#include "midi/MidiController.h"
#include "ui/midi/MidiLink.h"
#include "ui/midi/MidiSurface.h"
#include "ui/pages/faders/FaderPage.h"

using namespace korvanel;
using korvanel::test::JackServer;
using korvanel::test::MidiController;
using Bytes = MidiController::Bytes;

namespace {

class MidiWindow : public LiveTest {
protected:
    static void SetUpTestSuite() { server = new JackServer; }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        if (!server->running())
            GTEST_SKIP() << "no JACK server can run here: " << server->why();
        LiveTest::SetUp();
        bindings = QString::fromStdString(
            (std::filesystem::temp_directory_path() / ("korvanel-midi-" + std::to_string(::getpid()) + "-bindings"))
                .string());
        QFile::remove(bindings);
        form->midiSurface()->setBindingFile(bindings);
        controller = std::make_unique<MidiController>();
        // After the window's own handling of each message, which was connected first.
        QObject::connect(form->midiLink(), &MidiLink::message, form.get(),
                         [this](const MidiMessage &m) { handled.push_back(m); });
        click(get<QCheckBox>("CheckBoxMidi"));
        ASSERT_TRUE(link().enabled());
        choose("ComboBoxMidiInput", MidiController::Sends);
        choose("ComboBoxMidiOutput", MidiController::Hears);
        ASSERT_TRUE(link().inputOpen()) << status();
        ASSERT_TRUE(link().outputOpen()) << status();
        carries();
    }
    // JACK takes a new connection at one of its next cycles, and a server short of time may
    // drop a cycle's messages: a message is sent again, once it is surely lost, until the window
    // has handled it, as a hand presses again. Every message the tests send acts once, however
    // often it comes.
    bool sendAndWait(const Bytes &bytes, int limitMs = 3000)
    {
        const MidiMessage message = *decodeMidi(bytes);
        const std::size_t from = handled.size();
        const auto arrived = [&] {
            return std::find(handled.begin() + static_cast<long>(from), handled.end(), message) != handled.end();
        };
        for (int waited = 0; waited < limitMs; waited += 250) {
            controller->send(bytes);
            if (QTest::qWaitFor(arrived, 250))
                return true;
        }
        return false;
    }
    void send(const Bytes &bytes) { ASSERT_TRUE(sendAndWait(bytes)) << status(); }
    // The new connection carries: an unbound message arrives.
    void carries() { send({0xB0, 119, 0}); }
    void TearDown() override
    {
        if (form)
            form->midiLink()->setEnabled(false);
        controller.reset();
        QFile::remove(bindings);
    }

    MidiLink &link() { return *form->midiLink(); }
    std::string status() { return get<QLabel>("LabelMidiStatus")->text().toStdString(); }
    // The port as the operator picks it from the list.
    void choose(const char *box, const char *port)
    {
        auto *combo = get<QComboBox>(box);
        const int at = combo->findData(QString::fromLatin1(port));
        ASSERT_GE(at, 0) << port << " not listed; " << status();
        combo->setCurrentIndex(at);
        emit combo->activated(at);
    }
    // The controller has been told `bytes` last of all it heard for that control.
    bool lastHeard(const Bytes &bytes)
    {
        return controller->hear(
            [&](const std::vector<Bytes> &heard) {
                for (auto it = heard.rbegin(); it != heard.rend(); ++it) {
                    if ((*it)[0] % 16 == bytes[0] % 16 && (*it)[1] == bytes[1])
                        return *it == bytes;
                }
                return false;
            },
            std::chrono::seconds(3), [] { QCoreApplication::processEvents(); });
    }

    static inline JackServer *server = nullptr;
    std::unique_ptr<MidiController> controller;
    std::vector<MidiMessage> handled;
    QString bindings;
};

} // namespace

TEST_F(MidiWindow, AFaderTakesOverSoftlyAndAPadHoldsAPictureAndIsLit)
{
    engine->SceneMemory.set(sceneByte(0, 3), 100);
    form->faderPage()->ReturnScrollBars();
    ASSERT_EQ(engine->live.faderPosition.get(3), 100);
    send({0xB0, 3, 0});
    EXPECT_EQ(frame(3), 100) << "the hardware far from the level: nothing jumps";
    send({0xB0, 3, 127});
    EXPECT_EQ(frame(3), 255) << "passed the level: it leads";
    EXPECT_EQ(form->faderPage()->scrollBar(3)->value(), 255);

    storePicture(0, 12, 180);
    send({0x99, 36, 100});
    EXPECT_EQ(frame(12), 180);
    EXPECT_TRUE(picture(0)->isChecked());
    EXPECT_TRUE(lastHeard({0x90, 36, 127})) << "the pad is lit";
    send({0x89, 36, 0});
    EXPECT_EQ(frame(12), 0);
    EXPECT_TRUE(lastHeard({0x80, 36, 0}));
}

TEST_F(MidiWindow, LearningBindsTheTouchedControlAndTheFileKeepsIt)
{
    click(get<QToolButton>("SpeedButtonMidiLearn"));
    click(get<QToolButton>("SpeedButtonPlay"));
    EXPECT_EQ(load(engine->PlayMode), 0) << "learning only chooses";
    send({0x91, 70, 100});
    EXPECT_EQ(load(engine->PlayMode), 0);
    EXPECT_NE(status().find("нота 70, канал 2"), std::string::npos) << status();
    QFile file(bindings);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith("note 2 70 = play\n"));

    click(get<QToolButton>("SpeedButtonMidiLearn"));
    send({0x81, 70, 0});
    send({0x91, 70, 100});
    EXPECT_EQ(load(engine->PlayMode), 1);
    EXPECT_TRUE(lastHeard({0x91, 70, 127})) << "play is lit";
}

TEST_F(MidiWindow, AControllerPluggedInAgainIsTakenBackAndWhatItHeldGoes)
{
    storePicture(4, 20, 90);
    send({0x90, 40, 127});
    EXPECT_EQ(frame(20), 90);
    controller->unplug();
    link().poll();
    EXPECT_FALSE(link().inputOpen());
    EXPECT_EQ(frame(20), 0) << "its note off will never come";
    EXPECT_NE(status().find("не подключён"), std::string::npos) << status();

    controller->plug();
    link().poll();
    ASSERT_TRUE(link().inputOpen()) << status();
    carries();
    send({0x90, 40, 127});
    EXPECT_EQ(frame(20), 90);
}

TEST_F(MidiWindow, AJackServerThatGoesAwayLetsGoAndOneThatComesBackIsTaken)
{
    storePicture(4, 20, 90);
    send({0x90, 40, 127});
    EXPECT_EQ(frame(20), 90);
    controller.reset();
    delete server;
    server = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            link().poll();
            return !link().inputOpen();
        },
        5000))
        << status();
    EXPECT_EQ(frame(20), 0);

    server = new JackServer;
    ASSERT_TRUE(server->running()) << server->why();
    controller = std::make_unique<MidiController>();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            link().poll();
            return link().inputOpen() && link().outputOpen();
        },
        5000))
        << status();
    carries();
    send({0x90, 40, 127});
    EXPECT_EQ(frame(20), 90);
}
