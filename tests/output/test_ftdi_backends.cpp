// Which library drives the interface, and what libftdi1 reports without a device.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>
#include <fstream>

#include "output/D2xxLibrary.h"
#include "output/FtdiBackends.h"
#include "output/LibFtdiBackend.h"
#include "output/UsbLink.h"
#include "support/FakeD2xx.h"

using namespace korvanel;

namespace {

bool systemHasD2xx()
{
    void *library = dlopen("libftd2xx.so", RTLD_NOW | RTLD_LOCAL);
    if (library != nullptr)
        dlclose(library);
    return library != nullptr;
}

struct TempFolder {
    std::filesystem::path path;
    TempFolder()
    {
        char name[] = "/tmp/korvanel-ftdi-XXXXXX";
        path = mkdtemp(name);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

} // namespace

TEST(FtdiBackends, TheLibraryBesideTheProgramComesFirst)
{
    const FtdiBackendChoice choice = chooseFtdiBackend(executableFolder());
    ASSERT_NE(choice.api, nullptr);
    EXPECT_EQ(choice.name, "D2XX (" + FakeD2xx::besideProgram() + ")");
    EXPECT_TRUE(choice.refused.empty());
}

TEST(FtdiBackends, ALibraryLackingAFunctionIsRefusedWithAReason)
{
    if (systemHasD2xx())
        GTEST_SKIP() << "a D2XX library is installed on this system";
    const std::string partial = FakeD2xx::partialFolder() + "/libftd2xx.so";
    D2xxLibrary::LoadResult loaded = D2xxLibrary::load(partial);
    EXPECT_EQ(loaded.outcome, D2xxLibrary::Outcome::Refused);
    EXPECT_EQ(loaded.library, nullptr);
    EXPECT_EQ(loaded.refusal,
              (D2xxLibrary::Refusal{D2xxLibrary::Refusal::Reason::MissingFunction, partial, "FT_GetQueueStatus"}));

    const FtdiBackendChoice choice = chooseFtdiBackend(FakeD2xx::partialFolder());
    ASSERT_NE(choice.api, nullptr);
    EXPECT_EQ(choice.name, "libftdi1");
    EXPECT_EQ(choice.refused, std::vector{loaded.refusal});
}

TEST(FtdiBackends, AFileThatIsNoLibraryIsRefusedAndAnEmptyFolderGivesLibftdi1)
{
    if (systemHasD2xx())
        GTEST_SKIP() << "a D2XX library is installed on this system";
    TempFolder folder;
    const FtdiBackendChoice none = chooseFtdiBackend(folder.path.string());
    EXPECT_EQ(none.name, "libftdi1");
    EXPECT_TRUE(none.refused.empty());

    const std::string file = (folder.path / "libftd2xx.so").string();
    std::ofstream(file) << "not a library";
    const FtdiBackendChoice broken = chooseFtdiBackend(folder.path.string());
    EXPECT_EQ(broken.name, "libftdi1");
    ASSERT_EQ(broken.refused.size(), 1u);
    EXPECT_EQ(broken.refused[0].reason, D2xxLibrary::Refusal::Reason::NotLoadable);
    EXPECT_EQ(broken.refused[0].path, file);
    EXPECT_NE(broken.refused[0].detail.find(file), std::string::npos) << "the loader's own words";
}

TEST(LibFtdiMapping, NegativeResultsBecomeTheD2xxCodeOfTheSameMeaning)
{
    struct Case {
        LibftdiCall call;
        int result;
        FtStatus expected;
    };
    const Case cases[] = {
        {LibftdiCall::FindAll, 5, ft::Ok},
        {LibftdiCall::FindAll, -3, ft::InsufficientResources},
        {LibftdiCall::FindAll, -5, ft::IoError},
        {LibftdiCall::GetStrings, -4, ft::DeviceNotOpened},
        {LibftdiCall::GetStrings, -9, ft::IoError},
        {LibftdiCall::Open, 0, ft::Ok},
        {LibftdiCall::Open, -4, ft::DeviceNotOpened},
        {LibftdiCall::Open, -3, ft::DeviceBusy},
        {LibftdiCall::Open, -5, ft::DeviceBusy},
        {LibftdiCall::Open, -8, ft::AccessDenied},
        {LibftdiCall::Open, -7, ft::IoError},
        {LibftdiCall::Close, -3, ft::InvalidHandle},
        {LibftdiCall::Close, -1, ft::IoError},
        {LibftdiCall::Reset, -2, ft::DeviceNotOpened},
        {LibftdiCall::Reset, -1, ft::IoError},
        {LibftdiCall::PollModemStatus, -2, ft::DeviceNotOpened},
        {LibftdiCall::PollModemStatus, -1, ft::IoError},
        {LibftdiCall::Write, 519, ft::Ok},
        {LibftdiCall::Write, -666, ft::DeviceNotOpened},
        {LibftdiCall::Write, -1, ft::IoError},
    };
    for (const Case &c : cases)
        EXPECT_EQ(libftdiStatus(c.call, c.result), c.expected) << static_cast<int>(c.call) << " " << c.result;

    // libftdi1's -4 is any failed libusb_open: libusb's own code says why.
    EXPECT_EQ(libusbOpenStatus(0), ft::Ok);
    EXPECT_EQ(libusbOpenStatus(-3 /* LIBUSB_ERROR_ACCESS */), ft::AccessDenied);
    EXPECT_EQ(libusbOpenStatus(-6 /* LIBUSB_ERROR_BUSY */), ft::DeviceBusy);
    for (int other : {-4, -11, -1, -99}) // no device, no memory, I/O, other
        EXPECT_EQ(libusbOpenStatus(other), ft::DeviceNotOpened) << other;
}

TEST(LibFtdiBackend, WithoutADeviceEveryCallSaysSoInD2xxTerms)
{
    LibFtdiBackend backend;
    std::uint32_t count = 99;
    const FtStatus listed = backend.listDeviceCount(count);
    if (listed == ft::Ok && count > 0)
        GTEST_SKIP() << "an FTDI device is plugged in";
    EXPECT_EQ(count, 0u);

    char text[128] = {};
    EXPECT_EQ(backend.listSerialNumber(0, text), listed == ft::Ok ? ft::DeviceNotFound : listed);
    EXPECT_EQ(backend.listDescription(0, text), listed == ft::Ok ? ft::DeviceNotFound : listed);
    FtHandle handle = reinterpret_cast<FtHandle>(1);
    EXPECT_EQ(backend.open(0, handle), listed == ft::Ok ? ft::DeviceNotFound : listed);
    EXPECT_EQ(handle, nullptr);

    std::uint32_t n = 0;
    const std::uint8_t byte = 0;
    EXPECT_EQ(backend.close(nullptr), ft::InvalidHandle);
    EXPECT_EQ(backend.resetDevice(nullptr), ft::InvalidHandle);
    EXPECT_EQ(backend.setTimeouts(nullptr, 500, 500), ft::InvalidHandle);
    EXPECT_EQ(backend.getQueueStatus(nullptr, n), ft::InvalidHandle);
    EXPECT_EQ(backend.write(nullptr, &byte, 1, n), ft::InvalidHandle);

    // The link reports as it does with the vendor's library.
    UsbLink link(backend);
    link.InitUsbDevise();
    EXPECT_TRUE(link.report().listed);
    EXPECT_EQ(link.report().deviceCount, 0u);
    link.Open();
    if (listed == ft::Ok) {
        EXPECT_EQ(link.report().failedCall, UsbCall::Open);
        EXPECT_EQ(link.report().failedStatus, ft::DeviceNotFound);
    }
    link.TimerPollingTimer();
    EXPECT_EQ(link.state(), LinkState::Closed);
}
