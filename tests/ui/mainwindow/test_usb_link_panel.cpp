// What the window says of a failed write, with the link on the fake D2XX
// library driven step by step in place of the output thread.
#include <gtest/gtest.h>

#include <QLabel>
#include <memory>

#include "core/Engine.h"
#include "output/D2xxLibrary.h"
#include "output/LibFtdiBackend.h"
#include "output/UsbLink.h"
#include "support/FakeD2xx.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/mainwindow/UsbLinkPanel.h"
#include "ui/pages/options/OptionsTab.h"

using namespace korvanel;

TEST(UsbLinkPanel, AWriteFaultIsShownInTheStatusLineAndOnTheOptionsPage)
{
    auto engine = std::make_unique<Engine>();
    TBaseForm form(*engine);
    FakeD2xx fake;
    auto loaded = D2xxLibrary::load(FakeD2xx::besideProgram());
    ASSERT_NE(loaded.library, nullptr);
    UsbLink link(*loaded.library);
    UsbLinkPanel usb(form, *form.sequencer(), *form.findChild<OptionsTab *>(), *form.StatusPanel0(), link, "D2XX", {});
    auto frame = std::make_unique<AtomicBytes<DmxFrameSize>>();
    const auto panel = [&] { return form.StatusPanel0()->text(); };
    const auto options = [&] { return form.control<QLabel>("LabelUsbWriteFault")->text(); };
    const QString reopening = QString::fromUtf8("Ошибка записи в интерфейс — повторное подключение");

    fake.plug(1);
    link.InitUsbDevise();
    link.TimerPollingTimer();
    usb.ShowLinkStatus();
    EXPECT_EQ(form.captionPrefix(), "FILE: ");
    EXPECT_EQ(panel(), "");
    EXPECT_EQ(options(), "");

    // A message keeps the line for its time: the once-a-second look that has
    // nothing new does not wipe it; news of the link does.
    form.show();
    form.OutStatus(QString::fromUtf8(" Нет файла кодера"));
    usb.ShowLinkStatus();
    EXPECT_EQ(panel(), QString::fromUtf8(" Нет файла кодера"));

    // The reopen fails at first: shown for as long as it is under way.
    fake.failNext("FT_Write", ft::IoError);
    link.SendToUsb(*frame);
    fake.failNext("FT_Open", ft::DeviceNotOpened);
    link.TimerPollingTimer();
    for (int look = 0; look < 2; ++look) {
        usb.ShowLinkStatus();
        EXPECT_EQ(form.captionPrefix(), " DEMO MODE: ");
        EXPECT_EQ(panel(), reopening);
        EXPECT_EQ(options(), reopening + QString::fromUtf8(" - Ошибка ввода-вывода..."));
    }
    link.TimerPollingTimer();
    usb.ShowLinkStatus();
    EXPECT_EQ(form.captionPrefix(), "FILE: ");
    EXPECT_EQ(panel(), "") << "working again, as after any reopen";
    EXPECT_EQ(options(), QString::fromUtf8("Сбоев записи в интерфейс: 1, последний - Ошибка ввода-вывода..."));

    // A fault that comes and goes between two looks is still shown once.
    fake.cutNextWrite(100);
    link.SendToUsb(*frame);
    link.TimerPollingTimer();
    link.SendToUsb(*frame);
    ASSERT_EQ(link.state(), LinkState::Sending);
    usb.ShowLinkStatus();
    EXPECT_EQ(panel(), reopening);
    EXPECT_EQ(options(), reopening + QString::fromUtf8(" - записано 100 из 519 байт"));
    usb.ShowLinkStatus();
    EXPECT_EQ(panel(), "");
    EXPECT_EQ(options(), QString::fromUtf8("Сбоев записи в интерфейс: 2, последний - записано 100 из 519 байт"));

    // An unplug says what it always said, and adds no fault.
    fake.unplug();
    link.SendToUsb(*frame);
    link.TimerPollingTimer();
    usb.ShowLinkStatus();
    EXPECT_EQ(form.captionPrefix(), " DEMO MODE: ");
    EXPECT_EQ(panel(), QString::fromUtf8("Интерфейс отключен от компьютера  - Ошибка ввода-вывода..."));
    EXPECT_EQ(options(), QString::fromUtf8("Сбоев записи в интерфейс: 2, последний - записано 100 из 519 байт"));
    link.CloseUsbDevise();
}

TEST(UsbLinkPanel, ADeviceTheSystemRefusesIsSaidPlainlyWithItsRemedy)
{
    auto engine = std::make_unique<Engine>();
    TBaseForm form(*engine);
    FakeD2xx fake;
    auto loaded = D2xxLibrary::load(FakeD2xx::besideProgram());
    ASSERT_NE(loaded.library, nullptr);
    UsbLink link(*loaded.library);
    UsbLinkPanel usb(form, *form.sequencer(), *form.findChild<OptionsTab *>(), *form.StatusPanel0(), link, "D2XX", {});
    const auto panel = [&] { return form.StatusPanel0()->text(); };
    const auto options = [&] { return form.control<QLabel>("LabelUsbAccess")->text(); };
    const auto label = [&](const char *name) { return form.control<QLabel>(name)->text(); };

    // The vendor's library cannot tell a missing right from a held device.
    fake.plug(1);
    link.InitUsbDevise();
    usb.showEnumerationTexts();
    const QStringList listed = {label("LabelKolvoUSB"), label("LabelTipFtdi"), label("LabelUSBnomber")};
    fake.failNext("FT_Open", ft::DeviceNotOpened);
    link.TimerPollingTimer();
    usb.ShowLinkStatus();
    const QString either = UsbLinkPanel::openRefusedText(ft::AccessOrBusy);
    EXPECT_TRUE(either.contains("udev 60-korvanel-ftdi.rules") && either.contains(QString::fromUtf8("переподключите")));
    EXPECT_EQ(panel(), either);
    EXPECT_EQ(options(), either);
    EXPECT_EQ(usb.UsbStatusText(), either) << "the start-up message says it too";
    EXPECT_EQ(form.captionPrefix(), " DEMO MODE: ");
    EXPECT_EQ((QStringList{label("LabelKolvoUSB"), label("LabelTipFtdi"), label("LabelUSBnomber")}), listed);

    // Once it opens the text goes; other failures to open say what they always said.
    link.TimerPollingTimer();
    usb.ShowLinkStatus();
    EXPECT_EQ(panel(), "");
    EXPECT_EQ(options(), "");
    fake.unplug();
    link.TimerPollingTimer();
    fake.failNext("FT_Open", ft::DeviceNotFound);
    link.TimerPollingTimer();
    link.TimerPollingTimer();
    usb.ShowLinkStatus();
    EXPECT_EQ(panel(), "");
    EXPECT_EQ(options(), "");

    // libftdi1 tells the two apart: the rule for a missing right, the other program for a held device.
    EXPECT_TRUE(UsbLinkPanel::openRefusedText(libftdiStatus(LibftdiCall::Open, -8)).contains("60-korvanel-ftdi.rules"));
    EXPECT_TRUE(UsbLinkPanel::openRefusedText(libusbOpenStatus(-3 /* LIBUSB_ERROR_ACCESS */))
                    .contains("60-korvanel-ftdi.rules"));
    EXPECT_TRUE(
        UsbLinkPanel::openRefusedText(libftdiStatus(LibftdiCall::Open, -5)).contains(QString::fromUtf8("занят")));
    EXPECT_EQ(UsbLinkPanel::openRefusedText(libftdiStatus(LibftdiCall::Open, -7)), "");
    link.CloseUsbDevise();
}

// The link reports facts; the window words them, byte for byte as it always has.
TEST(UsbLinkPanel, TheLinksReportIsWordedAsTheWindowHasAlwaysShownIt)
{
    const auto bytes = [](const QString &text) { return text.toUtf8().toStdString(); };
    UsbLinkReport report;
    EXPECT_EQ(bytes(UsbLinkPanel::deviceCountText(report)), "") << "nothing before the first enumeration";
    report.listed = true;
    // The last letter before the blank is the Latin a.
    EXPECT_EQ(bytes(UsbLinkPanel::deviceCountText(report)),
              "Нет USB устройств"
              "a ");
    EXPECT_EQ(bytes(UsbLinkPanel::serialText(report)), "");
    report.deviceCount = 2;
    report.serial.assign("ABCDEFGHIJKLMNOP");
    report.description.assign("FAKE DMX 1");
    EXPECT_EQ(bytes(UsbLinkPanel::deviceCountText(report)), "Устройств на шине USB = 2");
    EXPECT_EQ(bytes(UsbLinkPanel::serialText(report)), "серийный номер = ABCDEFGHIJKLMNOP");
    EXPECT_EQ(bytes(UsbLinkPanel::descriptionText(report)), "FAKE DMX 1");

    const struct {
        UsbCall call;
        FtStatus status;
        const char *says;
    } failures[] = {
        {UsbCall::None, ft::Ok, ""},
        {UsbCall::DeviceCount, ft::IoError, "GetFTDeviceCount - Ошибка ввода-вывода..."},
        {UsbCall::SerialNumber, ft::DeviceNotFound, "GetFTDeviceSerialNo - Устройство не найдено...."},
        {UsbCall::Open, ft::DeviceNotFound, "FT_Open - Устройство не найдено...."},
        {UsbCall::ResetDevice, ft::InvalidHandle, "FT_ResetDevice - Ошибка Handle..."},
        {UsbCall::Close, ft::DeviceNotOpened, "FT_Close - Устройство не открывается..."},
        {UsbCall::SetTimeouts, ft::InsufficientResources, "FT_SetTimeouts - Не хватает ресурсов..."},
        {UsbCall::QueueStatus, ft::InvalidParameter, "FT_GetQueueStatus - Неверный параметр ..."},
        {UsbCall::Write, ft::IoError, "Интерфейс отключен от компьютера  - Ошибка ввода-вывода..."},
        // Codes never given a word leave the line empty, as they always did.
        {UsbCall::Write, 7, ""},
        {UsbCall::Write, ft::OtherError, ""},
        {UsbCall::Open, ft::AccessOrBusy, ""},
    };
    for (const auto &f : failures) {
        report.failedCall = f.call;
        report.failedStatus = f.status;
        EXPECT_EQ(bytes(UsbLinkPanel::statusText(report)), f.says);
    }

    EXPECT_EQ(bytes(UsbLinkPanel::writeFaultPhrase({ft::IoError, 0, 519})), "Ошибка ввода-вывода...");
    EXPECT_EQ(bytes(UsbLinkPanel::writeFaultPhrase({ft::OtherError, 0, 519})), "код ошибки 18");
    EXPECT_EQ(bytes(UsbLinkPanel::writeFaultPhrase({ft::Ok, 100, 519})), "записано 100 из 519 байт");

    using Reason = D2xxLibrary::Refusal::Reason;
    EXPECT_EQ(bytes(UsbLinkPanel::refusalsText({{Reason::NotLoadable, "/a/libftd2xx.so", "invalid ELF header"},
                                                {Reason::MissingFunction, "libftd2xx.so", "FT_Open"}})),
              "Библиотека /a/libftd2xx.so не загружается: invalid ELF header "
              "Библиотека libftd2xx.so не используется: в ней нет функции FT_Open ");
}
