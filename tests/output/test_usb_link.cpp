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

class LinkOnFake : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto loaded = D2xxLibrary::load(FakeD2xx::besideProgram());
        ASSERT_EQ(loaded.outcome, D2xxLibrary::Outcome::Loaded) << loaded.refusal.detail;
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
    // The last failed call the link reports, and its status.
    std::pair<UsbCall, FtStatus> failure() const { return {link->report().failedCall, link->report().failedStatus}; }
    bool listsNoDevice() const
    {
        const UsbLinkReport &r = link->report();
        return r.listed && r.deviceCount == 0 && r.serial.empty() && r.description.empty();
    }

    FakeD2xx fake;
    std::unique_ptr<D2xxLibrary> library;
    std::unique_ptr<UsbLink> link;
    std::unique_ptr<AtomicBytes<DmxFrameSize>> frame = std::make_unique<AtomicBytes<DmxFrameSize>>();
};

} // namespace

TEST_F(LinkOnFake, NoDeviceAtStartThenPluggedInOpensAtTheNextPollWithoutRestart)
{
    EXPECT_FALSE(link->report().listed) << "nothing known before the first enumeration";
    link->InitUsbDevise();
    EXPECT_TRUE(listsNoDevice());
    EXPECT_EQ(load(link->LinkOk), 0);
    EXPECT_EQ(link->state(), LinkState::Closed);

    send();
    link->TimerPollingTimer(); // FT_Open fails, silently
    EXPECT_EQ(fake.calls("FT_Open"), 1u);
    EXPECT_EQ(failure().first, UsbCall::None) << "errors met while polling are not shown";
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

TEST_F(LinkOnFake, EnumerationReportsTheLastDeviceAndKeeps49Characters)
{
    fake.plug(2);
    fake.setStrings(0, "A0000001", "first");
    // A 16-character serial and a 64-character description arrive without a terminating zero.
    fake.setStrings(1, "ABCDEFGHIJKLMNOP", "0123456789012345678901234567890123456789012345678901234567890123");
    link->InitUsbDevise();
    EXPECT_EQ(link->report().deviceCount, 2u);
    EXPECT_EQ(link->report().serial.view(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(link->report().description.view(), "0123456789012345678901234567890123456789012345678");
    EXPECT_EQ(load(link->DeviceListChanged), 0);
    EXPECT_EQ(link->publishedReport(), link->report()) << "the window sees the same report";

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
    EXPECT_EQ(failure(), std::make_pair(UsbCall::Write, ft::IoError));
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
    EXPECT_EQ(link->report().writeFaults, 0u);

    link->TimerPollingTimer(); // enumerates again, finds nothing, cannot open
    EXPECT_TRUE(listsNoDevice());
    EXPECT_EQ(load(link->DeviceListChanged), 1) << "kept while no device is listed";
    link->TimerPollingTimer();
    EXPECT_EQ(link->state(), LinkState::Closed);
    EXPECT_EQ(failure(), std::make_pair(UsbCall::Write, ft::IoError)) << "polls stay silent";
    send();
    EXPECT_EQ(fake.calls("FT_Write"), attempts);

    fake.plug(1);
    link->TimerPollingTimer();
    EXPECT_EQ(link->report().deviceCount, 1u);
    EXPECT_EQ(load(link->DeviceListChanged), 0);
    EXPECT_EQ(link->state(), LinkState::Sending);
    send();
    EXPECT_EQ(fake.writeCount(), 2u);
    EXPECT_EQ(link->WriteFaults.load(), 0u);
}

TEST_F(LinkOnFake, AFailedOrCutShortWriteIsReopenedAtTheNextPollAndFramesResume)
{
    openWithOneDevice();
    // Ok: the write is cut to 100 bytes.
    const UsbWriteFault faults[] = {{ft::IoError, 0, 519}, {ft::OtherError, 0, 519}, {ft::Ok, 100, 519}};
    unsigned n = 0;
    for (const UsbWriteFault &fault : faults) {
        SCOPED_TRACE(fault.status);
        ++n;
        if (fault.status == ft::Ok)
            fake.cutNextWrite(100);
        else
            fake.failNext("FT_Write", fault.status);
        send();
        EXPECT_EQ(link->state(), LinkState::Stalled);
        if (fault.status != ft::Ok) {
            EXPECT_EQ(failure(), std::make_pair(UsbCall::Write, fault.status));
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
        EXPECT_EQ(link->publishedReport().writeFault, fault);
        EXPECT_EQ(link->publishedReport().writeFaults, n) << "counted with its facts";
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
        EXPECT_EQ(usbCallName(failure().first), call);
        EXPECT_EQ(failure().second, ft::IoError);
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

TEST_F(LinkOnFake, EveryFailedWriteStatusIsReportedAsItCame)
{
    openWithOneDevice();
    for (FtStatus code : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 18u}) {
        fake.failNext("FT_Write", code);
        store(link->LinkOk, 1);
        send();
        EXPECT_EQ(failure(), std::make_pair(UsbCall::Write, code)) << "one with no text kept too";
        EXPECT_EQ(load(link->LinkOk), 0) << code;
    }
}

TEST_F(LinkOnFake, EachWrapperReportsItsOwnCallUnderItsOwnName)
{
    fake.failNext("FT_ListDevices", ft::IoError);
    link->InitUsbDevise();
    EXPECT_EQ(failure(), std::make_pair(UsbCall::DeviceCount, ft::IoError));
    EXPECT_TRUE(listsNoDevice()) << "a failed count lists nothing";

    // The names are what the status line shows, whatever its language.
    store(link->ReportEnabled, 1);
    const struct {
        void (*call)(UsbLink &);
        UsbCall reported;
        std::string_view name;
        FtStatus status;
    } wrappers[] = {
        {[](UsbLink &l) { l.GetFTDeviceSerialNo(3); }, UsbCall::SerialNumber, "GetFTDeviceSerialNo",
         ft::DeviceNotFound},
        {[](UsbLink &l) { l.GetFTDeviceDescription(3); }, UsbCall::Description, "GetFTDeviceDescription",
         ft::DeviceNotFound},
        {[](UsbLink &l) { l.Open(); }, UsbCall::Open, "FT_Open", ft::DeviceNotFound},
        {[](UsbLink &l) { l.ResetDevice(); }, UsbCall::ResetDevice, "FT_ResetDevice", ft::InvalidHandle},
        {[](UsbLink &l) { l.SetTimeouts(500, 500); }, UsbCall::SetTimeouts, "FT_SetTimeouts", ft::InvalidHandle},
        {[](UsbLink &l) { l.GetQueueStatus(); }, UsbCall::QueueStatus, "FT_GetQueueStatus", ft::InvalidHandle},
        {[](UsbLink &l) { l.Close(); }, UsbCall::Close, "FT_Close", ft::InvalidHandle},
    };
    for (const auto &w : wrappers) {
        w.call(*link);
        EXPECT_EQ(failure(), std::make_pair(w.reported, w.status)) << w.name;
        EXPECT_EQ(usbCallName(w.reported), w.name);
    }
    EXPECT_EQ(usbCallName(UsbCall::DeviceCount), "GetFTDeviceCount");

    store(link->ReportEnabled, 0);
    fake.failNext("FT_ListDevices", ft::InsufficientResources);
    link->GetFTDeviceCount();
    EXPECT_EQ(failure(), std::make_pair(UsbCall::Close, ft::InvalidHandle))
        << "nothing recorded while reporting is off";
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
