// The real start-up against the fake D2XX library, which the program finds
// beside the test program as it would find the vendor's library beside itself.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/AppShell.h"
#include "output/D2xxLibrary.h"
#include "output/UsbLink.h"
#include "support/FakeD2xx.h"
#include "support/ShellWindow.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/mainwindow/UsbLinkPanel.h"
#include "ui/pages/options/OptionsTab.h"

using namespace korvanel;

namespace {

const QString NoDevice = QString::fromUtf8("Нет USB устройствa ");
const QString WriteFailedIo = QString::fromUtf8("Интерфейс отключен от компьютера  - Ошибка ввода-вывода...");

class UsbStartUp : public ShellWindow {
protected:
    void SetUp() override { makeShell(); }
    void TearDown() override
    {
        ShellWindow::TearDown();
        EXPECT_FALSE(fake.deviceOpen()) << "shutdown closes the device";
        EXPECT_EQ(fake.overlaps(), 0u) << "two library calls overlapped";
    }

    UsbLink &link() { return *shell->usbLink(); }
    // Waits until `count` more frames than `from` were written; false on timeout.
    bool framesFlow(unsigned long long from, unsigned count = 3, int timeoutMs = 2500)
    {
        return QTest::qWaitFor([&] { return fake.writeCount() >= from + count; }, timeoutMs);
    }
    // No frame leaves for `ms` milliseconds.
    bool silentFor(int ms)
    {
        const auto before = fake.writeCount();
        QTest::qWait(ms);
        return fake.writeCount() == before;
    }
};

} // namespace

TEST_F(UsbStartUp, NoDeviceAtStartThenPluggedInFramesFlowWithoutRestart)
{
    shell->FormCreate();
    EXPECT_EQ(label("LabelKolvoUSB"), NoDevice);
    EXPECT_EQ(label("LabelUSBnomber"), "");
    EXPECT_TRUE(label("LabelUsbLibrary").contains(QString::fromStdString(FakeD2xx::besideProgram())));
    QTimer *clock = &shell->usbLinkPanel()->TimerShouClock();
    EXPECT_EQ(clock->objectName(), "TimerShouClock");
    EXPECT_TRUE(clock->isActive());
    EXPECT_EQ(clock->interval(), 1000);
    EXPECT_TRUE(silentFor(1200));

    shell->usbLinkPanel()->ShowLinkStatus();
    EXPECT_EQ(form->captionPrefix(), " DEMO MODE: ");

    fake.plug(1);
    ASSERT_TRUE(framesFlow(0)) << "the next poll opens the device";
    EXPECT_EQ(fake.timeouts(), std::make_pair(500u, 500u));
    const auto first = fake.write(0).bytes;
    ASSERT_EQ(first.size(), 519u);
    EXPECT_EQ(first[0], 0xFF);
    EXPECT_EQ(first[1], 0xF0);
    EXPECT_EQ(first[2], 0x00);
    EXPECT_EQ(std::vector<std::uint8_t>(first.end() - 4, first.end()),
              (std::vector<std::uint8_t>{0xFF, 0xF1, 0xFF, 0xFF}));

    // Channel 1 at 255 (rates are 255 after the clear, so the next tick has it).
    engine->SceneMemory.set(sceneByte(0, 1), 255);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake.lastWrite().bytes.size() == 520; }, 1000));
    const auto escaped = fake.lastWrite().bytes;
    EXPECT_EQ(escaped[2], 0x00);
    EXPECT_EQ(escaped[3], 0xFF);
    EXPECT_EQ(escaped[4], 0xF7);

    // The start-up messages keep the line for their time; then the link has it.
    const QString said = panel();
    ASSERT_FALSE(said.isEmpty());
    EXPECT_FALSE(said.startsWith("empty")) << "the first message takes the start text's place";
    form->statusLine().TimerStatusTimer();
    shell->usbLinkPanel()->ShowLinkStatus();
    EXPECT_EQ(form->captionPrefix(), "FILE: ");
    EXPECT_EQ(panel(), "");
}

TEST_F(UsbStartUp, UnpluggedSendingStopsTheTextsFollowAndPluggingBackResumes)
{
    fake.plug(1);
    shell->FormCreate();
    EXPECT_EQ(label("LabelKolvoUSB"), QString::fromUtf8("Устройств на шине USB = 1"));
    EXPECT_EQ(label("LabelUSBnomber"), QString::fromUtf8("серийный номер = KV000001"));
    EXPECT_EQ(label("LabelTipFtdi"), "FAKE DMX 1");
    ASSERT_TRUE(framesFlow(0));

    fake.unplug();
    const auto unpluggedAt = fake.writeCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return link().publishedReport().deviceCount == 0; }, 2500));
    EXPECT_EQ(link().state(), LinkState::Closed);
    EXPECT_EQ(fake.writeCount(), unpluggedAt) << "nothing reaches a pulled device";
    EXPECT_TRUE(silentFor(300));

    shell->usbLinkPanel()->ShowLinkStatus();
    EXPECT_EQ(form->captionPrefix(), " DEMO MODE: ");
    EXPECT_EQ(panel(), WriteFailedIo);
    EXPECT_EQ(label("LabelKolvoUSB"), QString::fromUtf8("Устройств на шине USB = 1"))
        << "labels are set at start-up only";

    fake.plug(1);
    ASSERT_TRUE(framesFlow(unpluggedAt));
    shell->usbLinkPanel()->ShowLinkStatus();
    EXPECT_EQ(form->captionPrefix(), "FILE: ");
    EXPECT_EQ(panel(), "");
}

TEST_F(UsbStartUp, AFailedWriteReopensTheDeviceAndFramesResumeByThemselves)
{
    fake.plug(1);
    shell->FormCreate();
    ASSERT_TRUE(framesFlow(0));
    fake.failNext("FT_Write", 4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return link().WriteFaults.load() == 1; }, 2500));
    EXPECT_TRUE(framesFlow(fake.writeCount())) << "no unplug needed";
    EXPECT_EQ(fake.calls("FT_Open"), 2u);

    shell->usbLinkPanel()->ShowLinkStatus();
    shell->usbLinkPanel()->ShowLinkStatus(); // the one-off sighting is spent
    EXPECT_EQ(form->captionPrefix(), "FILE: ");
    EXPECT_EQ(panel(), "");
    EXPECT_EQ(label("LabelUsbWriteFault"),
              QString::fromUtf8("Сбоев записи в интерфейс: 1, последний - Ошибка ввода-вывода..."));
}

TEST_F(UsbStartUp, DemoModeWritesNothingAndSaysSo)
{
    fake.plug(1);
    shell->FormCreate();
    ASSERT_TRUE(framesFlow(0));
    form->control<QCheckBox>("CheckBoxNoUSBconnect")->setChecked(true);
    QTest::qWait(100);
    EXPECT_TRUE(silentFor(1200));
    EXPECT_EQ(link().state(), LinkState::Sending) << "the link itself stays open";
    shell->usbLinkPanel()->ShowLinkStatus();
    EXPECT_EQ(form->captionPrefix(), "DEMO mode: ");
    EXPECT_EQ(panel(), "    DEMO MODE ");

    form->control<QCheckBox>("CheckBoxNoUSBconnect")->setChecked(false);
    EXPECT_TRUE(framesFlow(fake.writeCount()));
}

TEST_F(UsbStartUp, StartUpWritesTheDefaultRecodingTableAndSaysThereWasNone)
{
    shell->FormCreate();
    EXPECT_TRUE(panel().contains(QString::fromUtf8("Нет файла кодера")));
    QFile table(dir.filePath("light.kvr"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QByteArray bytes = table.readAll();
    ASSERT_EQ(bytes.size(), 512);
    EXPECT_EQ(bytes.left(6), QByteArray("\x00\x00\x01\x00\x02\x00", 6));
    EXPECT_EQ(bytes.right(2), QByteArray("\xFF\x00", 2));
    EXPECT_EQ(form->control<QLabel>("LabelCoder")->text(), "light.kvr");
    // The frame is unchanged by the identity table.
    engine->SceneMemory.set(sceneByte(0, 9), 90);
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->DmxOut.get(9) == 90; }, 1000));
}

TEST(UsbLinkPanel, ARefusedLibraryIsNamedOnTheOptionsPage)
{
    auto engine = std::make_unique<Engine>();
    TBaseForm form(*engine);
    FakeD2xx fake;
    auto loaded = D2xxLibrary::load(FakeD2xx::besideProgram());
    ASSERT_NE(loaded.library, nullptr);
    UsbLink link(*loaded.library);
    const std::vector<D2xxLibrary::Refusal> refused = {
        {D2xxLibrary::Refusal::Reason::MissingFunction, "/x/libftd2xx.so", "FT_Write"}};
    UsbLinkPanel panel(form, *form.sequencer(), *form.findChild<OptionsTab *>(), *form.StatusPanel0(), link, "libftdi1",
                       refused);
    EXPECT_EQ(form.control<QLabel>("LabelUsbLibrary")->text().toUtf8(),
              QByteArray("Библиотека USB: libftdi1\nБиблиотека /x/libftd2xx.so не используется: в ней нет функции "
                         "FT_Write"));
}
