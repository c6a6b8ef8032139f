// The program with its OLA output on, against private daemons: none at
// first, one without an output port, one that stops answering. The USB link
// runs on the fake D2XX library beside the test program.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QElapsedTimer>
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

TEST_F(OlaWindow, DaemonStoppedForFiveSecondsNeitherTheTickNorTheWindowWaitAndExitIsQuick)
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

    daemon.pause();
    const auto from = fake.writeCount() + 1;
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longestGap = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    beat.start(10);
    QTest::qWait(5000);
    beat.stop();
    EXPECT_LT(longestGap, 250) << "the window kept answering";
    const auto to = fake.writeCount();
    // A tick that waited for the daemon would wait the whole pause; the bounds
    // leave room for a machine busy with other work.
    ASSERT_GE(to - from, 70u) << "the tick kept its pace";
    long long longestPeriod = 0;
    for (auto i = from; i < to; ++i)
        longestPeriod = std::max(longestPeriod, fake.write(i).timeNs - fake.write(i - 1).timeNs);
    EXPECT_LT(longestPeriod, 150'000'000) << "no tick waited for the daemon";

    QElapsedTimer closing;
    closing.start();
    shell->FormClose();
    EXPECT_LE(closing.elapsed(), 1000) << "exit with the daemon stopped";
    daemon.resume();
}
