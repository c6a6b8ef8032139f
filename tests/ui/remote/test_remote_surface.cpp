// The remote page sends the same commands as the window, under the same locks, and
// every page and the window see each other's changes within 200 ms.
#include "ui/remote/remote_fixture.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTimer>
#include <vector>

#include "core/Engine.h"
#include "ui/remote/RemoteSurface.h"
#include "ui/windows/HandScanForm.h"

using namespace korvanel;

namespace {

class RemoteSurfaceTest : public RemoteTest {
protected:
    void SetUp() override
    {
        initialiseAtStart(*engine);
        form->ClearAll();
        switchOn();
        phone = std::make_unique<PageClient>(port, token);
        tablet = std::make_unique<PageClient>(port, token);
        ASSERT_TRUE(phone->connected());
        ASSERT_TRUE(tablet->connected());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !tablet->last("page").isEmpty(); }, 2000));
    }
    // Sends and waits until the window has applied it.
    void sendNow(PageClient &client, const QByteArray &text)
    {
        const auto before = form->remoteSurface()->applied();
        client.send(text);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->remoteSurface()->applied() > before; }, 2000)) << text.data();
    }
    // Milliseconds until the last message of the kind holds `text`; -1 after 2 s.
    static qint64 shownWithin(const PageClient &client, const QString &kind, const QString &text)
    {
        QElapsedTimer clock;
        clock.start();
        if (!QTest::qWaitFor([&] { return client.last(kind).contains(text); }, 2000))
            return -1;
        return clock.elapsed();
    }

    std::unique_ptr<PageClient> phone;
    std::unique_ptr<PageClient> tablet;
};

} // namespace

TEST_F(RemoteSurfaceTest, FadersWriteTheSceneAsTheFaderPageDoesWithItsLockWhilePlaying)
{
    sendNow(*phone, R"({"t":"fader","ch":1,"v":200})");
    EXPECT_EQ(get<QScrollBar>("ScrollBar1")->value(), 200);
    EXPECT_EQ(engine->level(0, 1), 200);
    const qint64 seen = shownWithin(*tablet, "page", QStringLiteral("\"levels\":[200,"));
    EXPECT_GE(seen, 0);
    EXPECT_LE(seen, 200);

    // Another page of channels: row 1 is channel 28, and channel 1 is not on it.
    sendNow(*phone, R"({"t":"page","off":27})");
    EXPECT_EQ(get<QScrollBar>("ScrolbarVertPos")->value(), 27);
    sendNow(*phone, R"({"t":"fader","ch":1,"v":9})");
    EXPECT_EQ(engine->level(0, 1), 200);
    sendNow(*phone, R"({"t":"fader","ch":28,"v":77})");
    EXPECT_EQ(get<QScrollBar>("ScrollBar1")->value(), 77);
    EXPECT_EQ(engine->level(0, 28), 77);
    sendNow(*phone, R"({"t":"select","ch":29,"on":true})");
    EXPECT_TRUE(get<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ(engine->SceneMemory.get(selectionByte(29)), 1);

    // Playing, a fader moves the manual level but writes no scene: as in the window.
    sendNow(*phone, R"({"t":"play"})");
    EXPECT_EQ(load(engine->PlayMode), 1);
    EXPECT_TRUE(get<QAbstractButton>("SpeedButtonPlay")->isChecked());
    sendNow(*phone, R"({"t":"fader","ch":28,"v":5})");
    EXPECT_EQ(engine->live.faderPosition.get(1), 5);
    EXPECT_EQ(engine->level(0, 28), 77);
    sendNow(*phone, R"({"t":"stop"})");
    EXPECT_EQ(load(engine->PlayMode), 0);
}

TEST_F(RemoteSurfaceTest, PictureButtonsFlashWhileHeldAndTheLatchKeepsThem)
{
    QCheckBox *third = get<QCheckBox>("CheckBoxChs3");
    sendNow(*phone, R"({"t":"pic","n":3,"down":true})");
    EXPECT_TRUE(third->isChecked());
    EXPECT_EQ(engine->live.pictures.get(2), 1);
    sendNow(*phone, R"({"t":"pic","n":3,"down":false})");
    EXPECT_FALSE(third->isChecked());

    sendNow(*phone, R"({"t":"latch","on":true})");
    sendNow(*phone, R"({"t":"pic","n":3,"down":true})");
    sendNow(*phone, R"({"t":"pic","n":3,"down":false})");
    EXPECT_TRUE(third->isChecked()) << "latched";
    // The latch is the phone's own: the tablet's flash still ends on release.
    sendNow(*tablet, R"({"t":"pic","n":4,"down":true})");
    sendNow(*tablet, R"({"t":"pic","n":4,"down":false})");
    EXPECT_FALSE(get<QCheckBox>("CheckBoxChs4")->isChecked());

    // A page that vanishes while holding a picture lets it go.
    sendNow(*tablet, R"({"t":"pic","n":5,"down":true})");
    EXPECT_TRUE(get<QCheckBox>("CheckBoxChs5")->isChecked());
    tablet->socket.abort();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !get<QCheckBox>("CheckBoxChs5")->isChecked(); }, 2000));
    EXPECT_EQ(server().clientCount(), 1);
}

TEST_F(RemoteSurfaceTest, TheWindowsChangesReachEveryPageWithin200ms)
{
    form->scrollBarStep()->setValue(1);
    EXPECT_EQ(engine->currentScene(), 1);
    for (PageClient *client : {phone.get(), tablet.get()}) {
        const qint64 seen = shownWithin(*client, "show", QStringLiteral("\"scene\":\"2\""));
        EXPECT_GE(seen, 0);
        EXPECT_LE(seen, 200);
    }
    get<QCheckBox>("CheckBoxBlackOut")->setChecked(true);
    EXPECT_GE(shownWithin(*phone, "show", QStringLiteral("\"blackout\":true")), 0);

    // Steps, tempo and blackout from a page move the same controls.
    sendNow(*phone, R"({"t":"step","d":-1})");
    EXPECT_EQ(engine->currentScene(), 0);
    sendNow(*phone, R"({"t":"tempo","v":100})");
    EXPECT_EQ(form->scrollBarTemp()->value(), 100);
    sendNow(*phone, R"({"t":"blackout","on":false})");
    EXPECT_FALSE(form->checkBoxBlackOut()->isChecked());

    // The pad: with priority the output takes its levels in any mode.
    sendNow(*phone, R"({"t":"prio","on":true})");
    sendNow(*phone, R"({"t":"xy","x":40,"y":210,"down":true})");
    EXPECT_EQ(load(engine->live.HandScanActive), 1);
    EXPECT_EQ(load(engine->live.HandScanX), 40);
    EXPECT_EQ(load(engine->live.HandScanY), 255 - 210) << "the pad's bottom edge is 0";

    // The hand-scan window's inversion counts for the page's pad too.
    THandScanForm handScan(*form, *form->mainMenu());
    handScan.findChild<QCheckBox *>("CheckBoxX")->setChecked(true);
    sendNow(*phone, R"({"t":"xy","x":40,"y":210,"down":true})");
    EXPECT_EQ(load(engine->live.HandScanX), 255 - 40);
    EXPECT_EQ(load(engine->live.HandScanY), 255 - 210);
}

// The short form of bench/bench_remote_load (which holds the pace): twenty pages, fifty changes each.
TEST_F(RemoteSurfaceTest, TwentyBusyPagesHaveEveryChangeApplied)
{
    std::vector<std::unique_ptr<PageClient>> pages;
    for (int p = 0; p < 20; ++p) {
        pages.push_back(std::make_unique<PageClient>(port, token));
        ASSERT_TRUE(pages.back()->connected());
    }
    const auto before = form->remoteSurface()->applied();
    int sent = 0;
    QTimer sender;
    sender.setTimerType(Qt::PreciseTimer);
    QObject::connect(&sender, &QTimer::timeout, [&] {
        if (sent >= 1000) {
            sender.stop();
            return;
        }
        for (int p = 0; p < 20; ++p) {
            pages[static_cast<std::size_t>(p)]->send(
                QStringLiteral(R"({"t":"fader","ch":%1,"v":%2})").arg(1 + p).arg(sent % 256).toUtf8());
        }
        sent += 20;
    });
    sender.start(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sent >= 1000; }, 20000)) << sent;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return form->remoteSurface()->applied() - before == static_cast<quint64>(sent); }, 5000))
        << form->remoteSurface()->applied() - before << " of " << sent;
    EXPECT_EQ(server().clientCount(), 22);
}
