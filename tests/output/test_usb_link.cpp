// The USB link against the fake D2XX library, loaded by the program's own
// loading code from beside the test program.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "output/D2xxLibrary.h"
#include "output/UsbLink.h"
#include "support/FakeD2xx.h"

using namespace korvanel;
using namespace std::chrono_literals;

namespace {

constexpr std::string_view NoDevice = "Нет USB устройствa ";
constexpr std::string_view WriteFailed = "Интерфейс отключен от компьютера ";

class LinkOnFake : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto loaded = D2xxLibrary::load(FakeD2xx::besideProgram());
        ASSERT_EQ(loaded.outcome, D2xxLibrary::Outcome::Loaded) << loaded.refusal;
        library = std::move(loaded.library);
        link = std::make_unique<UsbLink>(*library);
    }
    void TearDown() override { EXPECT_EQ(fake.overlaps(), 0u) << "two library calls overlapped"; }

    // Start-up with one device present, then the first poll opens it.
    void openWithOneDevice()
    {
        fake.plug(1);
        link->InitUsbDevise();
        link->TimerPollingTimer();
        ASSERT_EQ(link->state(), LinkState::Sending);
    }
    void send() { link->SendToUsb(*frame); }
    std::string_view status() const { return link->texts().UsbStatusText.view(); }

    FakeD2xx fake;
    std::unique_ptr<D2xxLibrary> library;
    std::unique_ptr<UsbLink> link;
    std::unique_ptr<AtomicBytes<DmxFrameSize>> frame = std::make_unique<AtomicBytes<DmxFrameSize>>();
};

} // namespace

TEST_F(LinkOnFake, NoDeviceAtStartThenPluggedInOpensAtTheNextPollWithoutRestart)
{
    link->InitUsbDevise();
    EXPECT_EQ(link->texts().UsbCountText.view(), NoDevice);
    EXPECT_TRUE(link->texts().UsbSerialText.empty());
    EXPECT_TRUE(link->texts().UsbDescriptionText.empty());
    EXPECT_EQ(load(link->LinkOk), 0);
    EXPECT_EQ(link->state(), LinkState::Closed);

    send();
    link->TimerPollingTimer(); // FT_Open fails, silently
    EXPECT_EQ(fake.calls("FT_Open"), 1u);
    EXPECT_TRUE(status().empty()) << "errors met while polling are not shown";
    send();
    EXPECT_EQ(fake.calls("FT_Write"), 0u);

    fake.plug(1);
    link->TimerPollingTimer();
    EXPECT_EQ(link->state(), LinkState::Sending);
    EXPECT_EQ(fake.calls("FT_ResetDevice"), 1u);
    EXPECT_EQ(fake.timeouts(), std::make_pair(500u, 500u));
    send();
    ASSERT_EQ(fake.writeCount(), 1u);
    const auto written = fake.lastWrite().bytes;
    ASSERT_EQ(written.size(), 519u);
    EXPECT_EQ(written[0], 0xFF);
    EXPECT_EQ(written[1], 0xF0);
    EXPECT_EQ(written[2], 0x00);
    EXPECT_EQ(std::vector<std::uint8_t>(written.end() - 4, written.end()),
              (std::vector<std::uint8_t>{0xFF, 0xF1, 0xFF, 0xFF}));
}

TEST_F(LinkOnFake, EnumerationTextsDescribeTheLastDeviceAndKeep49Characters)
{
    fake.plug(2);
    fake.setStrings(0, "A0000001", "first");
    // A 16-character serial and a 64-character description arrive without a terminating zero.
    fake.setStrings(1, "ABCDEFGHIJKLMNOP", "0123456789012345678901234567890123456789012345678901234567890123");
    link->InitUsbDevise();
    EXPECT_EQ(link->texts().UsbCountText.view(), "Устройств на шине USB = 2");
    EXPECT_EQ(link->texts().UsbSerialText.view(), "серийный номер = ABCDEFGHIJKLMNOP");
    EXPECT_EQ(link->texts().UsbDescriptionText.view(), "0123456789012345678901234567890123456789012345678");
    EXPECT_EQ(load(link->DeviceListChanged), 0);
    EXPECT_EQ(link->publishedTexts().UsbCountText, link->texts().UsbCountText) << "the window sees the same texts";

    link->GetFTDeviceSerialNo(5);
    EXPECT_TRUE(link->deviceString().empty()) << "a failed call leaves no earlier device's text";
}

TEST_F(LinkOnFake, ChannelAt255IsEscapedOnTheWire)
{
    openWithOneDevice();
    frame->set(1, 255);
    send();
    const auto written = fake.lastWrite().bytes;
    ASSERT_EQ(written.size(), 520u);
    EXPECT_EQ(written[2], 0x00);
    EXPECT_EQ(written[3], 0xFF);
    EXPECT_EQ(written[4], 0xF7);
    EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.end()),
              std::vector<std::uint8_t>(link->txFrame().begin(), link->txFrame().end()));
}

TEST_F(LinkOnFake, UnplugStopsSendingAndPluggingBackResumes)
{
    openWithOneDevice();
    send();
    ASSERT_EQ(fake.writeCount(), 1u);

    fake.unplug();
    send(); // the write fails and is reported
    EXPECT_EQ(status(), std::string(WriteFailed) + " - Ошибка ввода-вывода...");
    EXPECT_EQ(link->state(), LinkState::Stalled);
    const unsigned attempts = fake.calls("FT_Write");
    send();
    EXPECT_EQ(fake.calls("FT_Write"), attempts) << "a stalled link writes nothing";

    link->TimerPollingTimer(); // the queue status fails: taken as unplugged
    EXPECT_EQ(link->state(), LinkState::Closed);
    EXPECT_EQ(load(link->DeviceListChanged), 1);
    EXPECT_EQ(fake.calls("FT_Close"), 1u) << "the dead handle is given back";
    EXPECT_EQ(fake.openHandles(), 0u);
    EXPECT_EQ(fake.calls("FT_Open"), 1u) << "no reopen before the device is listed again";
    EXPECT_EQ(load(link->WriteFault), 0) << "an unplug is no passing write fault";
    EXPECT_EQ(link->WriteFaults.load(), 0u);
    EXPECT_TRUE(link->texts().UsbWriteFaultText.empty());

    link->TimerPollingTimer(); // enumerates again, finds nothing, cannot open
    EXPECT_EQ(link->texts().UsbCountText.view(), NoDevice);
    EXPECT_EQ(load(link->DeviceListChanged), 1) << "kept while no device is listed";
    link->TimerPollingTimer();
    EXPECT_EQ(link->state(), LinkState::Closed);
    EXPECT_EQ(status(), std::string(WriteFailed) + " - Ошибка ввода-вывода...") << "polls stay silent";
    send();
    EXPECT_EQ(fake.calls("FT_Write"), attempts);

    fake.plug(1);
    link->TimerPollingTimer();
    EXPECT_EQ(link->texts().UsbCountText.view(), "Устройств на шине USB = 1");
    EXPECT_EQ(load(link->DeviceListChanged), 0);
    EXPECT_EQ(link->state(), LinkState::Sending);
    send();
    EXPECT_EQ(fake.writeCount(), 2u);
    EXPECT_EQ(link->WriteFaults.load(), 0u);
}

TEST_F(LinkOnFake, AFailedOrCutShortWriteIsReopenedAtTheNextPollAndFramesResume)
{
    openWithOneDevice();
    struct Fault {
        FtStatus status; // Ok: the write is cut to 100 bytes
        std::string_view detail;
        std::string_view statusText; // the link's status text after it, as ever
    };
    const Fault faults[] = {
        {ft::IoError, " - Ошибка ввода-вывода...", "Интерфейс отключен от компьютера  - Ошибка ввода-вывода..."},
        {ft::OtherError, " - код ошибки 18", ""},
        {ft::Ok, " - записано 100 из 519 байт", ""},
    };
    unsigned n = 0;
    for (const Fault &fault : faults) {
        SCOPED_TRACE(fault.detail);
        ++n;
        if (fault.status == ft::Ok)
            fake.cutNextWrite(100);
        else
            fake.failNext("FT_Write", fault.status);
        send();
        EXPECT_EQ(link->state(), LinkState::Stalled);
        if (fault.status != ft::Ok) {
            EXPECT_EQ(status(), fault.statusText);
        }
        const auto writes = fake.writeCount();
        send();
        EXPECT_EQ(fake.writeCount(), writes) << "nothing more until the poll";
        EXPECT_EQ(link->WriteFaults.load(), n - 1) << "not yet told apart from an unplug";

        link->TimerPollingTimer(); // the device answers: closed and opened again
        EXPECT_EQ(fake.calls("FT_Close"), n);
        EXPECT_EQ(fake.calls("FT_Open"), n + 1);
        EXPECT_EQ(link->state(), LinkState::Sending);
        EXPECT_EQ(load(link->WriteFault), 0) << "the reopen worked";
        EXPECT_EQ(link->WriteFaults.load(), n);
        EXPECT_EQ(load(link->DeviceListChanged), 0);
        EXPECT_EQ(link->publishedTexts().UsbWriteFaultText.view(), fault.detail);
        EXPECT_EQ(fake.timeouts(), std::make_pair(500u, 500u));
        send();
        EXPECT_EQ(fake.writeCount(), writes + 1) << "frames resume by themselves";
        EXPECT_EQ(fake.lastWrite().bytes.size(), 519u);
    }

    // A reopen that fails is retried at every poll, and shown as under way meanwhile.
    fake.failNext("FT_Write", ft::IoError);
    send();
    fake.failNext("FT_Open", ft::DeviceNotOpened);
    link->TimerPollingTimer();
    EXPECT_EQ(link->state(), LinkState::Closed);
    EXPECT_EQ(load(link->WriteFault), 1);
    EXPECT_EQ(load(link->DeviceListChanged), 0);
    const auto writes = fake.writeCount();
    send();
    EXPECT_EQ(fake.writeCount(), writes);
    link->TimerPollingTimer();
    EXPECT_EQ(link->state(), LinkState::Sending);
    EXPECT_EQ(load(link->WriteFault), 0);
    EXPECT_EQ(link->WriteFaults.load(), n + 1) << "one fault, however many tries";
    send();
    EXPECT_EQ(fake.writeCount(), writes + 1);
}

TEST_F(LinkOnFake, ADeviceThatRefusesTheResetOrTheTimeoutsIsClosedAndTriedAgain)
{
    fake.plug(1);
    link->InitUsbDevise();
    unsigned tries = 0;
    for (const char *call : {"FT_ResetDevice", "FT_SetTimeouts"}) {
        SCOPED_TRACE(call);
        fake.failNext(call, ft::IoError);
        link->TimerPollingTimer();
        ++tries;
        EXPECT_EQ(link->state(), LinkState::Closed) << "not taken for an open link";
        EXPECT_FALSE(fake.deviceOpen()) << "the handle is given back";
        EXPECT_EQ(status(), std::string(call) + " - Ошибка ввода-вывода...");
        EXPECT_EQ(fake.calls("FT_Open"), tries);
        send();
        EXPECT_EQ(fake.calls("FT_Write"), 0u);
    }
    link->TimerPollingTimer();
    EXPECT_EQ(link->state(), LinkState::Sending);
    EXPECT_EQ(fake.timeouts(), std::make_pair(500u, 500u));
    send();
    EXPECT_EQ(fake.writeCount(), 1u);
}

TEST_F(LinkOnFake, StatusTextsByCode)
{
    openWithOneDevice();
    const std::pair<FtStatus, std::string_view> table[] = {
        {1, " - Ошибка Handle..."},       {2, " - Устройство не найдено...."}, {3, " - Устройство не открывается..."},
        {4, " - Ошибка ввода-вывода..."}, {5, " - Не хватает ресурсов..."},    {6, " - Неверный параметр ..."},
    };
    for (const auto &[code, text] : table) {
        fake.failNext("FT_Write", code);
        store(link->LinkOk, 1);
        send();
        EXPECT_EQ(status(), std::string(WriteFailed) + std::string(text)) << code;
        EXPECT_EQ(load(link->LinkOk), 0) << code;
    }
    for (FtStatus code : {7u, 18u}) {
        fake.failNext("FT_Write", code);
        store(link->LinkOk, 1);
        send();
        EXPECT_TRUE(status().empty()) << code;
        EXPECT_EQ(load(link->LinkOk), 0) << code;
    }
}

TEST_F(LinkOnFake, EachWrapperReportsUnderItsOwnName)
{
    fake.failNext("FT_ListDevices", ft::IoError);
    link->InitUsbDevise();
    EXPECT_EQ(status(), "GetFTDeviceCount - Ошибка ввода-вывода...");
    EXPECT_EQ(link->texts().UsbCountText.view(), NoDevice) << "a failed count lists nothing";

    store(link->ReportEnabled, 1);
    link->GetFTDeviceSerialNo(3);
    EXPECT_EQ(status(), "GetFTDeviceSerialNo - Устройство не найдено....");
    link->GetFTDeviceDescription(3);
    EXPECT_EQ(status(), "GetFTDeviceDescription - Устройство не найдено....");
    link->Open();
    EXPECT_EQ(status(), "FT_Open - Устройство не найдено....");
    link->ResetDevice();
    EXPECT_EQ(status(), "FT_ResetDevice - Ошибка Handle...");
    link->SetTimeouts(500, 500);
    EXPECT_EQ(status(), "FT_SetTimeouts - Ошибка Handle...");
    link->GetQueueStatus();
    EXPECT_EQ(status(), "FT_GetQueueStatus - Ошибка Handle...");
    link->Close();
    EXPECT_EQ(status(), "FT_Close - Ошибка Handle...");

    store(link->ReportEnabled, 0);
    fake.failNext("FT_ListDevices", ft::InsufficientResources);
    link->GetFTDeviceCount();
    EXPECT_EQ(status(), "FT_Close - Ошибка Handle...") << "nothing recorded while reporting is off";
}

TEST_F(LinkOnFake, DemoModeWritesNothingButKeepsPolling)
{
    openWithOneDevice();
    link->setDemoMode(true);
    send();
    link->TimerPollingTimer();
    EXPECT_EQ(fake.calls("FT_Write"), 0u);
    EXPECT_EQ(fake.calls("FT_GetQueueStatus"), 1u);
    link->setDemoMode(false);
    send();
    EXPECT_EQ(fake.writeCount(), 1u);
}

TEST_F(LinkOnFake, TheTickPollsOncePerIntervalAndCloseStopsEverything)
{
    const auto before = UsbLink::Clock::now();
    link->InitUsbDevise();
    const auto after = UsbLink::Clock::now();
    fake.plug(1);

    link->outputTick(*frame, before + 990ms);
    EXPECT_EQ(fake.calls("FT_Open"), 0u) << "no poll before a second has passed";
    link->outputTick(*frame, after + 1000ms);
    EXPECT_EQ(fake.calls("FT_Open"), 1u);
    EXPECT_EQ(fake.writeCount(), 0u) << "the poll comes after the tick's send";
    link->outputTick(*frame, after + 1500ms);
    EXPECT_EQ(fake.writeCount(), 1u);
    EXPECT_EQ(fake.calls("FT_GetQueueStatus"), 0u);
    link->outputTick(*frame, after + 2000ms);
    EXPECT_EQ(fake.calls("FT_GetQueueStatus"), 1u);

    link->CloseUsbDevise();
    EXPECT_EQ(fake.calls("FT_Close"), 1u);
    EXPECT_FALSE(fake.deviceOpen());
    EXPECT_EQ(link->state(), LinkState::Closed);
    link->outputTick(*frame, after + 10s);
    EXPECT_EQ(fake.calls("FT_GetQueueStatus"), 1u) << "no polling after close";
    EXPECT_EQ(fake.calls("FT_Open"), 1u);
    EXPECT_EQ(fake.writeCount(), 2u);
}
