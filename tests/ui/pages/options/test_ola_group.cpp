// The OLA group of the options page over an OLA output whose daemon is a
// stand-in: the fields, the texts of each state, and the status line told of
// a loss and a return once. The real daemon is in tests/ola.
#include "ui/form_fixture.h"

#include <QLabel>
#include <QSpinBox>

#include "output/OlaOutput.h"
#include "support/FakeOlaClient.h"
#include "ui/mainwindow/StatusLine.h"
#include "ui/pages/options/OlaGroup.h"
#include "ui/pages/options/OptionsTab.h"

namespace {

using namespace korvanel;
using korvanel::test::FakeClient;
using korvanel::test::FakeDaemon;

class OlaGroupTest : public FormTest {
protected:
    void make(std::unique_ptr<OlaClientApi> client)
    {
        OlaTiming timing;
        timing.retry = std::chrono::milliseconds(100);
        timing.portCheck = std::chrono::milliseconds(200);
        output = std::make_unique<OlaOutput>(std::move(client), timing);
        output->start();
        group = std::make_unique<OlaGroup>(*form, *form->findChild<OptionsTab *>(), *output);
    }
    QString label() { return get<QLabel>("LabelOlaStatus")->text(); }
    QString panel() { return form->StatusPanel0()->text(); }
    bool labelShows(const QString &start, const QString &end = {})
    {
        return QTest::qWaitFor(
            [&] {
                group->ShowOlaStatus();
                return label().startsWith(start) && label().endsWith(end);
            },
            3000);
    }
    void change(bool FakeDaemon::*flag, bool value)
    {
        std::lock_guard guard(daemon->lock);
        (*daemon).*flag = value;
    }

    std::shared_ptr<FakeDaemon> daemon = std::make_shared<FakeDaemon>();
    std::unique_ptr<OlaOutput> output;
    std::unique_ptr<OlaGroup> group;
};

} // namespace

TEST_F(OlaGroupTest, StartsOffTheUniverseFieldRefusesWhatIsOutOfRangeAndAGarbledSettingReadsAsOne)
{
    make(std::make_unique<FakeClient>(daemon));
    auto *box = get<QCheckBox>("CheckBoxOla");
    auto *universe = get<QSpinBox>("SpinEditOlaUniverse");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(label(), QString::fromUtf8("Вывод в OLA выключен"));
    EXPECT_EQ(universe->value(), 1);

    bringToFront(universe);
    for (const char *typed : {"70000", "0", "-5"}) {
        universe->selectAll();
        QTest::keyClicks(universe, typed);
        QTest::keyClick(universe, Qt::Key_Return);
        EXPECT_GE(universe->value(), 1) << typed;
        EXPECT_LE(universe->value(), 65535) << typed;
        EXPECT_EQ(output->universe(), universe->value()) << typed;
    }
    universe->selectAll();
    QTest::keyClicks(universe, "65535");
    QTest::keyClick(universe, Qt::Key_Return);
    EXPECT_EQ(output->universe(), 65535);

    group->applySettings({.Enabled = true, .Universe = olaUniverseOf("12x")});
    EXPECT_EQ(output->universe(), 1);
    EXPECT_TRUE(output->enabled());
    EXPECT_EQ(group->settings().Universe, 1);
    EXPECT_TRUE(group->settings().Enabled);
    click(box);
    EXPECT_FALSE(output->enabled());
}

TEST_F(OlaGroupTest, EachStateHasItsTextAndALossAndAReturnAreSaidOnce)
{
    make(std::make_unique<FakeClient>(daemon));
    change(&FakeDaemon::hangConnect, true);
    click(get<QCheckBox>("CheckBoxOla"));
    EXPECT_TRUE(labelShows(QString::fromUtf8("Подключение к демону OLA"))) << label().toStdString();
    daemon->release(&FakeDaemon::hangConnect);
    ASSERT_TRUE(labelShows(QString::fromUtf8("Подключено к olad, вселенная 1 → Dummy Device / Dummy Port")))
        << label().toStdString();
    AtomicBytes<DmxFrameSize> frame;
    output->publish(frame);
    ASSERT_TRUE(labelShows(QString::fromUtf8("Подключено к olad"), QString::fromUtf8("\nОтправлено кадров: 1")))
        << label().toStdString();
    EXPECT_EQ(panel().count("OLA"), 0) << "a daemon found at once is no news";

    {
        std::lock_guard guard(daemon->lock);
        daemon->ports.clear();
    }
    get<QSpinBox>("SpinEditOlaUniverse")->setValue(3);
    EXPECT_TRUE(labelShows(QString::fromUtf8("У вселенной 3 нет выходного порта в olad"))) << label().toStdString();

    change(&FakeDaemon::answerPorts, false);
    EXPECT_TRUE(labelShows(QString::fromUtf8("Демон OLA не отвечает"))) << label().toStdString();
    change(&FakeDaemon::answerPorts, true);

    // Lost: the send fails and every retry is refused for a while.
    form->statusLine().TimerStatusTimer();
    {
        std::lock_guard guard(daemon->lock);
        daemon->failSends = 1;
        daemon->refuseConnects = 4;
    }
    output->publish(frame);
    ASSERT_TRUE(labelShows(QString::fromUtf8("Демон OLA не запущен"))) << label().toStdString();
    for (int look = 0; look < 3; ++look) {
        group->ShowOlaStatus();
        QTest::qWait(60);
    }
    EXPECT_EQ(panel().count(QString::fromUtf8("потеряна")), 1) << panel().toStdString();
    EXPECT_EQ(panel().count(QString::fromUtf8("не запущен")), 0) << "the loss was said already";
    ASSERT_TRUE(labelShows(QString::fromUtf8("Подключено к olad"))) << label().toStdString();
    group->ShowOlaStatus();
    EXPECT_EQ(panel().count(QString::fromUtf8("восстановлена")), 1) << panel().toStdString();

    // Lost and back between two looks: both said, in order.
    form->statusLine().TimerStatusTimer();
    const std::uint32_t connects = output->status().connects;
    {
        std::lock_guard guard(daemon->lock);
        daemon->failSends = 1;
    }
    output->publish(frame);
    ASSERT_TRUE(QTest::qWaitFor([&] { return output->status().connects == connects + 1; }, 3000));
    group->ShowOlaStatus();
    EXPECT_EQ(panel(),
              QString::fromUtf8(" OLA: связь с демоном olad потеряна  OLA: связь с демоном olad восстановлена "));

    // Switched off while connected: the group's own timer follows the output until it has closed.
    click(get<QCheckBox>("CheckBoxOla"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return label() == QString::fromUtf8("Вывод в OLA выключен"); }, 3000))
        << label().toStdString();
    EXPECT_FALSE(group->TimerOlaStatus().isActive());
}

TEST_F(OlaGroupTest, WithoutOlasLibraryTheGroupSaysSoAndCannotBeSwitchedOn)
{
    make(nullptr);
    EXPECT_FALSE(get<QCheckBox>("CheckBoxOla")->isEnabled());
    EXPECT_FALSE(get<QSpinBox>("SpinEditOlaUniverse")->isEnabled());
    EXPECT_TRUE(label().contains("libola")) << label().toStdString();
    group->applySettings({.Enabled = true, .Universe = 5});
    EXPECT_FALSE(get<QCheckBox>("CheckBoxOla")->isChecked());
    EXPECT_FALSE(output->enabled());
    EXPECT_TRUE(group->settings().Enabled) << "the file keeps its switch for a program that has OLA";
    EXPECT_EQ(group->settings().Universe, 5);
}
