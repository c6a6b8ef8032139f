// The program with its OLA output on, against private daemons: none at
// first, one without an output port, one that stops answering. The USB link
// runs on the fake D2XX library beside the test program.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/AppShell.h"
#include "ola/OlaDaemon.h"
#include "ola/PrivateNetwork.h"
#include "output/OlaOutput.h"
#include "support/ShellWindow.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/mainwindow/StatusLine.h"
#include "ui/pages/options/OlaGroup.h"

using namespace korvanel;
using olatest::OlaDaemon;
using olatest::Slots;

namespace {

class OlaWindow : public ShellWindow {
protected:
    void SetUp() override
    {
        if (!olatest::olaTestsUnavailable().empty())
            GTEST_SKIP() << olatest::olaTestsUnavailable();
        ASSERT_TRUE(dir.isValid());
        QFile ini(dir.filePath("light.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Window]\nLeft=10\n\n[Ola]\nEnabled=1\nUniverse=1\n");
        ini.close();
        fake.plug(1);
        makeShell();
    }

    OlaOutput &ola() { return *shell->olaOutput(); }
    QString olaLabel() { return form->control<QLabel>("LabelOlaStatus")->text(); }
    // The label as the group's once-a-second look leaves it, until `done` holds.
    bool labelShows(const QString &start, int timeoutMs = 4000)
    {
        return QTest::qWaitFor(
            [&] {
                shell->olaGroup()->ShowOlaStatus();
                return olaLabel().startsWith(start);
            },
            timeoutMs);
    }
};

} // namespace

TEST_F(OlaWindow, NoDaemonThenOneWithoutAnOutputPortEachSaidOnceAndTheUsbLinkCarriesOn)
{
    shell->FormCreate();
    EXPECT_TRUE(form->control<QCheckBox>("CheckBoxOla")->isChecked()) << "switched on by the settings file";
    ASSERT_TRUE(labelShows(QString::fromUtf8("Демон OLA не запущен")));
    // The link opens the device at its first poll, a second after start.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake.writeCount() > 0; }, 3000));
    const auto before = fake.writeCount();
    QTest::qWait(1000);
    EXPECT_GE(fake.writeCount() - before, 15u) << "the USB frames go on at the tick's pace";

    // Said once on the status line, not at every look.
    for (int look = 0; look < 3; ++look) {
        shell->olaGroup()->ShowOlaStatus();
        QTest::qWait(100);
    }
    EXPECT_EQ(panel().count(QString::fromUtf8("OLA: демон olad не запущен")), 1) << panel().toStdString();

    OlaDaemon daemon({.patchDummy = false});
    ASSERT_EQ(daemon.start(), "");
    ASSERT_TRUE(labelShows(QString::fromUtf8("У вселенной 1 нет выходного порта в olad"), 5000))
        << olaLabel().toStdString();
    EXPECT_TRUE(olaLabel().contains("ola_patch")) << "the remedy is named";
    EXPECT_EQ(panel().count(QString::fromUtf8("OLA: связь с демоном olad восстановлена")), 1);
    EXPECT_GT(ola().status().framesSent, 0u);

    // Settings at exit: the section kept with the rest, the switch and universe written.
    shell->FormClose();
    QFile ini(dir.filePath("light.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    EXPECT_TRUE(text.startsWith("[Window]\nLeft=10\n\n[Ola]\nEnabled=1\nUniverse=1\n")) << text.toStdString();
}

TEST_F(OlaWindow, DaemonStoppedForFiveSecondsNeitherTheTickNorTheWindowNorTheExitWait)
{
    OlaDaemon daemon;
    ASSERT_EQ(daemon.start(), "");
    shell->FormCreate();
    engine->SceneMemory.set(sceneByte(0, 1), 50);
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return OlaDaemon::fetch(1, std::chrono::milliseconds(200)).value_or(Slots{})[0] == 50; }, 3000));
    ASSERT_TRUE(labelShows(QString::fromUtf8("Подключено к olad, вселенная 1 → Dummy Device / Dummy Port")))
        << olaLabel().toStdString();

    // Demo mode stops the USB link only.
    auto *demo = form->control<QCheckBox>("CheckBoxNoUSBconnect");
    demo->setChecked(true);
    QTest::qWait(100);
    const auto usbBefore = fake.writeCount();
    engine->SceneMemory.set(sceneByte(0, 1), 60);
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return OlaDaemon::fetch(1, std::chrono::milliseconds(200)).value_or(Slots{})[0] == 60; }, 3000));
    EXPECT_EQ(fake.writeCount(), usbBefore);
    demo->setChecked(false);

    // How long the window and the tick went without running is measured in
    // bench_ola_window; here, that both ran on through the pause at all.
    daemon.pause();
    const auto from = fake.writeCount();
    int beats = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] { ++beats; });
    beat.start(10);
    QTest::qWait(5000);
    beat.stop();
    EXPECT_GE(beats, 20) << "the window kept answering";
    EXPECT_GE(fake.writeCount() - from, 20u) << "the tick did not wait for the daemon";
    shell->FormClose();
    daemon.resume();
}
