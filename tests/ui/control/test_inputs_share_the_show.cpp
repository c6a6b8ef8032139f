// The keys, the window's own controls, a phone and an OSC client are inputs of
// one control layer: the same command gives the same frames, and two sources
// holding one picture share it.
#include "ui/live_fixture.h"

#include <QSpinBox>
#include <QTcpServer>
#include <QToolButton>

#include "support/OscBytes.h"
#include "ui/osc/OscInput.h"
#include "ui/remote/RemoteServer.h"
#include "ui/remote/RemoteSurface.h"
#include "ui/remote/remote_client.h"

using namespace korvanel;

namespace {

class SharedInputs : public LiveTest {
protected:
    void SetUp() override
    {
        LiveTest::SetUp();
        storePicture(2, 12, 180);
        engine->SceneMemory.set(sceneByte(0, 5), 20);
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        get<QSpinBox>("SpinEditRemotePort")->setValue(probe.serverPort());
        probe.close();
        get<QCheckBox>("CheckBoxRemote")->setChecked(true);
        ASSERT_TRUE(form->remoteServer()->listening());
        phone = std::make_unique<PageClient>(form->remoteServer()->port(), form->remoteServer()->token());
        ASSERT_TRUE(phone->connected());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !phone->last(QStringLiteral("show")).isEmpty(); }, 3000));
        get<QSpinBox>("SpinEditOscPort")->setValue(test::freeOscPort());
        get<QCheckBox>("CheckBoxOsc")->setChecked(true);
        ASSERT_TRUE(form->oscInput()->listening());
        osc = std::make_unique<test::OscClient>(form->oscInput()->port());
    }
    // A phone's message, once the window has applied it.
    void say(const QByteArray &message)
    {
        const quint64 before = form->remoteSurface()->applied();
        phone->send(message);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->remoteSurface()->applied() > before; }, 3000))
            << message.constData();
    }
    // An OSC message, once the window has applied it.
    void oscSay(const char *path, const std::string &types = {}, std::vector<double> numbers = {})
    {
        const quint64 before = form->oscInput()->applied();
        osc->send(test::oscMessage(path, types, std::move(numbers)));
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->oscInput()->applied() > before; }, 3000)) << path;
    }
    std::unique_ptr<PageClient> phone;
    std::unique_ptr<test::OscClient> osc;
};

constexpr const char *PhoneDown = R"({"t":"pic","n":3,"down":true})";
constexpr const char *PhoneUp = R"({"t":"pic","n":3,"down":false})";

} // namespace

TEST_F(SharedInputs, APictureHeldByTheKeyAndAPhoneStaysOnUntilBothLetGo)
{
    press(Qt::Key_3);
    EXPECT_EQ(frame(12), 180);
    say(PhoneDown);
    say(PhoneUp);
    EXPECT_EQ(frame(12), 180) << "the key still holds it";
    EXPECT_TRUE(picture(2)->isChecked());
    say(PhoneDown);
    release(Qt::Key_3);
    EXPECT_EQ(frame(12), 180) << "the phone still holds it";
    say(PhoneUp);
    EXPECT_EQ(frame(12), 0);
    EXPECT_FALSE(picture(2)->isChecked());

    // Latched with Ctrl: a stray release from the phone leaves it, the phone's tap ends it on purpose.
    press(Qt::Key_Control);
    press(Qt::Key_3, Qt::ControlModifier);
    release(Qt::Key_3, Qt::ControlModifier);
    release(Qt::Key_Control);
    EXPECT_EQ(frame(12), 180);
    say(PhoneUp);
    EXPECT_EQ(frame(12), 180);
    say(PhoneDown);
    say(PhoneUp);
    EXPECT_EQ(frame(12), 0);
    EXPECT_FALSE(picture(2)->isChecked());
}

TEST_F(SharedInputs, TheKeyTheWindowAndAPhoneGiveTheSameFrames)
{
    const std::vector<std::pair<const char *, std::function<void()>>> blackouts{
        {"key", [&] { tap(Qt::Key_0); }},
        {"window", [&] { click(get<QToolButton>("SpeedButtonBlackOut")); }},
        {"phone", [&] { say(R"({"t":"blackout","on":true})"); }},
        {"osc", [&] { oscSay("/korvanel/blackout", "i", {1}); }},
    };
    for (const auto &[input, blackout] : blackouts) {
        get<QCheckBox>("CheckBoxBlackOut")->setChecked(false);
        store(engine->PlayMode, 1);
        ASSERT_EQ(frame(5), 20) << input;
        blackout();
        EXPECT_EQ(frame(5), 0) << input;
        EXPECT_TRUE(get<QCheckBox>("CheckBoxBlackOut")->isChecked()) << input;
        EXPECT_EQ(load(engine->PlayMode), 0) << input << ": the stepping stops";
    }

    get<QCheckBox>("CheckBoxBlackOut")->setChecked(false);
    const std::vector<std::pair<const char *, std::function<void()>>> plays{
        {"key", [&] { tap(Qt::Key_Equal); }},
        {"window", [&] { click(get<QToolButton>("SpeedButtonPlay")); }},
        {"phone", [&] { say(R"({"t":"play"})"); }},
        {"osc", [&] { oscSay("/korvanel/play"); }},
    };
    for (const auto &[input, play] : plays) {
        tap(Qt::Key_Minus);
        ASSERT_EQ(load(engine->PlayMode), 0) << input;
        play();
        EXPECT_EQ(load(engine->PlayMode), 1) << input;
        EXPECT_TRUE(get<QToolButton>("SpeedButtonPlay")->isChecked()) << input;
        EXPECT_EQ(frame(5), 20) << input;
    }
}
