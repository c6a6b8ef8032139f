// The OSC input against the real window over loopback: every address reaches
// the frames and the window's controls, subscribers hear the state, bad
// packets change nothing and are counted, and nothing a client held outlives
// it.
#include "ui/osc/osc_fixture.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include "control/ControlLayer.h"
#include "control/osc/OscClients.h"
#include "support/ShowBytes.h"

using namespace korvanel;
using korvanel::test::oscBundle;
using korvanel::test::OscClient;
using korvanel::test::oscMessage;

namespace {

class OscInputTest : public OscTest {
protected:
    void SetUp() override
    {
        OscTest::SetUp();
        storePicture(2, 12, 180);
        engine->SceneMemory.set(sceneByte(0, 5), 20);
        engine->setSys(SysLastScene, 3);
    }
};

} // namespace

TEST_F(OscInputTest, EveryAddressReachesTheFramesAndTheWindowsControls)
{
    say("/korvanel/scene", "i", {3});
    EXPECT_EQ(engine->currentScene(), 2);
    EXPECT_EQ(form->scrollBarStep()->value(), 2);
    say("/korvanel/scene/next");
    EXPECT_EQ(form->scrollBarStep()->value(), 3);
    say("/korvanel/scene/prev");
    say("/korvanel/scene/prev");
    EXPECT_EQ(engine->currentScene(), 1);
    say("/korvanel/scene", "i", {6});
    EXPECT_EQ(input().ignored(), 1u) << "past the show's last scene and the one the slider adds";
    say("/korvanel/scene", "i", {1});
    EXPECT_EQ(form->scrollBarStep()->value(), 0);

    say("/korvanel/tempo", "i", {100});
    EXPECT_EQ(engine->sys(SysTempo), 100);
    EXPECT_EQ(get<QScrollBar>("ScrollBarTemp")->value(), 100);

    say("/korvanel/fader/5", "f", {0.5});
    EXPECT_EQ(engine->level(0, 5), 128);
    EXPECT_EQ(get<QScrollBar>("ScrollBar5")->value(), 128);
    EXPECT_EQ(frame(5), 128);
    say("/korvanel/fader/1", "i", {200});
    EXPECT_EQ(get<QScrollBar>("ScrollBar1")->value(), 200);
    EXPECT_EQ(frame(1), 200);

    say("/korvanel/picture/3", "i", {1});
    EXPECT_EQ(frame(12), 180);
    EXPECT_TRUE(picture(2)->isChecked());
    say("/korvanel/picture/3", "i", {0});
    EXPECT_EQ(frame(12), 0);
    EXPECT_FALSE(picture(2)->isChecked());

    say("/korvanel/blackout", "i", {1});
    EXPECT_EQ(frame(5), 0);
    EXPECT_TRUE(get<QCheckBox>("CheckBoxBlackOut")->isChecked());
    say("/korvanel/blackout", "i", {0});
    EXPECT_EQ(frame(5), 128);

    say("/korvanel/play");
    EXPECT_EQ(load(engine->PlayMode), 1);
    EXPECT_TRUE(get<QAbstractButton>("SpeedButtonPlay")->isChecked());
    say("/korvanel/stop");
    EXPECT_EQ(load(engine->PlayMode), 0);

    // The pad writes the selected channel and its partner, as the hand-scan pad does.
    form->control().apply({WindowSource, command::SelectChannel{7, true}});
    say("/korvanel/pad", "ff", {1, 0.25});
    EXPECT_EQ(engine->level(0, 7), 255);
    EXPECT_EQ(engine->level(0, 8), 64);
    EXPECT_EQ(frame(8), 64);

    // A conveyor slot loads the show the operator put on it, as its key does.
    QTemporaryDir dir;
    const QString show = dir.filePath("second.kvl");
    writeFile(show, liveShow(40));
    engine->ConveyorFiles[2] = show.toStdString();
    say("/korvanel/conveyor/3");
    EXPECT_TRUE(form->conveyor()->slotButton(3)->isChecked());
    EXPECT_EQ(frame(1), 40);
    EXPECT_EQ(input().ignored(), 1u);
}

TEST_F(OscInputTest, SubscribersHearTheWholeStateThenEachChangeUntilTheyLapse)
{
    qint64 now = 0;
    input().setClock([&] { return now; });
    OscClient tablet(input().port());
    say(oscMessage("/korvanel/subscribe"), &tablet);
    std::map<std::string, int> heard;
    ASSERT_TRUE(hear(tablet, heard, [&] { return heard.size() == 4 + StaticPictureCount + FaderCount; }))
        << heard.size();
    EXPECT_EQ(heard["/korvanel/scene"], 1);
    EXPECT_EQ(heard["/korvanel/tempo"], engine->sys(SysTempo));
    EXPECT_EQ(heard["/korvanel/picture/16"], 0);
    EXPECT_EQ(heard.count("/korvanel/fader/27"), 1u);

    // The operator's own hand, and another client, are heard too.
    tap(Qt::Key_0);
    ASSERT_TRUE(hear(tablet, heard, [&] { return heard["/korvanel/blackout"] == 1; }));
    press(Qt::Key_3);
    ASSERT_TRUE(hear(tablet, heard, [&] { return heard["/korvanel/picture/3"] == 1; }));
    release(Qt::Key_3);
    get<QScrollBar>("ScrollBar2")->setValue(99);
    ASSERT_TRUE(hear(tablet, heard, [&] { return heard["/korvanel/fader/2"] == 99; }));
    say("/korvanel/tempo", "i", {120});
    ASSERT_TRUE(hear(tablet, heard, [&] { return heard["/korvanel/tempo"] == 120; }));
    EXPECT_EQ(heard["/korvanel/picture/3"], 0);
    ASSERT_TRUE(waitFor([&] { return status().contains(QStringLiteral("Подписчиков: 1")); }));

    // Renewed within the minute it stays; a minute without renewal, it hears nothing more.
    now += 50'000;
    say(oscMessage("/korvanel/subscribe"), &tablet);
    now += 50'000;
    input().poll();
    EXPECT_EQ(input().subscriberCount(), 1);
    now += 10'001;
    input().poll();
    EXPECT_EQ(input().subscriberCount(), 0);
    say("/korvanel/tempo", "i", {130});
    QTest::qWait(3 * OscInput::PollMs);
    EXPECT_TRUE(tablet.receive(std::chrono::milliseconds(0)).empty());
}

TEST_F(OscInputTest, APictureHeldByAClientGoesWhenItFallsSilentOrTheInputIsSwitchedOff)
{
    qint64 now = 0;
    input().setClock([&] { return now; });
    say("/korvanel/picture/3", "i", {1});
    EXPECT_EQ(frame(12), 180);
    // Any message keeps it alive; a minute of silence lets go.
    now += 40'000;
    say("/korvanel/tempo", "i", {50});
    now += 40'000;
    input().poll();
    EXPECT_EQ(frame(12), 180);
    now += OscClients::HoldLeaseMs;
    input().poll();
    EXPECT_EQ(frame(12), 0);
    EXPECT_FALSE(picture(2)->isChecked());

    // Held by the key as well, it stays on until the key lets go too.
    say("/korvanel/picture/3", "i", {1});
    press(Qt::Key_3);
    click(get<QCheckBox>("CheckBoxOsc"));
    EXPECT_FALSE(input().listening());
    EXPECT_EQ(frame(12), 180);
    release(Qt::Key_3);
    EXPECT_EQ(frame(12), 0);
}

TEST_F(OscInputTest, BadPacketsChangeNothingAndAreCounted)
{
    say("/korvanel/tempo", "i", {100});
    ASSERT_TRUE(waitFor([&] {
        return status().contains(QStringLiteral("/korvanel/tempo 100 от 127.0.0.1:%1").arg(client->port()));
    })) << status().toStdString();
    const ShowState before = form->control().state();
    const std::uint8_t level = frame(5);

    const std::vector<test::OscBytes> bad{
        {},
        {'g', 'a', 'r', 'b', 'a', 'g', 'e', 0},
        oscMessage("/korvanel/tempo", "f", {90}),
        oscMessage("/korvanel/tempo", "ii", {90, 90}),
        oscMessage("/korvanel/tempo", "i", {200}),
        oscMessage("/korvanel/fader/5", "i", {-1}),
        oscMessage("/korvanel/picture/3", "s"),
        oscMessage("/korvanel/flash"),
        // Half good is not applied at all.
        oscBundle({oscMessage("/korvanel/blackout", "i", {1}), oscMessage("/korvanel/fader/5", "f", {2})}),
        test::OscBytes(MaxOscDatagram + 8, 0),
    };
    for (const auto &packet : bad)
        say(packet);
    EXPECT_EQ(input().ignored(), bad.size());
    EXPECT_EQ(form->control().state(), before);
    EXPECT_EQ(frame(5), level);
    EXPECT_FALSE(get<QCheckBox>("CheckBoxBlackOut")->isChecked());
    ASSERT_TRUE(waitFor([&] {
        return status().contains(QStringLiteral("Отброшено неверных сообщений: %1").arg(bad.size()));
    })) << status().toStdString();
}

TEST_F(OscInputTest, TheStatusSaysWhereItListensAndWhyNot)
{
    EXPECT_TRUE(status().contains(QStringLiteral("порту UDP %1 только с этого компьютера").arg(input().port())))
        << status().toStdString();
    // A port another program holds.
    const int other = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(other, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    socklen_t length = sizeof address;
    ::getsockname(other, reinterpret_cast<sockaddr *>(&address), &length);
    get<QSpinBox>("SpinEditOscPort")->setValue(ntohs(address.sin_port));
    EXPECT_FALSE(input().listening());
    EXPECT_TRUE(status().contains(QStringLiteral("занят другой программой"))) << status().toStdString();
    ::close(other);
    click(get<QCheckBox>("CheckBoxOsc"));
    EXPECT_EQ(status(), QStringLiteral("Выключено"));
}

TEST_F(OscInputTest, AFloodIsTakenABoundedShareOfEachTurnOfTheEventLoop)
{
    const int count = 3 * OscInput::PacketsPerTurn + 5;
    for (int k = 0; k < count; ++k)
        client->send(oscMessage("/korvanel/fader/2", "i", {static_cast<double>(k)}));
    QElapsedTimer waited;
    waited.start();
    while (input().applied() == 0 && waited.elapsed() < 3000)
        QCoreApplication::processEvents();
    EXPECT_EQ(input().applied(), static_cast<quint64>(OscInput::PacketsPerTurn)) << "the rest waits for the next turn";
    ASSERT_TRUE(waitFor([&] { return input().applied() == static_cast<quint64>(count); }));
    EXPECT_EQ(engine->level(0, 2), count - 1);
}
