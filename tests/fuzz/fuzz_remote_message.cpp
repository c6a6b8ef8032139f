// A remote page's WebSocket message: any bytes are either no command or one
// whose every number lies in its range, so nothing from a phone reaches the
// show out of bounds.

#include "FuzzSupport.h"
#include "core/Engine.h"
#include "core/ShowLayout.h"
#include "ui/remote/RemoteProtocol.h"

using namespace korvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto command =
        parseRemoteCommand(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (!command)
        return 0;
    FUZZ_CHECK(size <= static_cast<std::size_t>(MaxRemoteMessage));
    const int a = command->a;
    const int b = command->b;
    auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    using Kind = RemoteCommand::Kind;
    switch (command->kind) {
    case Kind::Tempo:
        FUZZ_CHECK(within(a, 10, 170));
        break;
    case Kind::Step:
        FUZZ_CHECK(a == -1 || a == 1);
        break;
    case Kind::Picture:
        FUZZ_CHECK(within(a, 1, static_cast<int>(StaticPictureCount)) && within(b, 0, 1));
        break;
    case Kind::Slot:
        FUZZ_CHECK(within(a, 1, static_cast<int>(ConveyorSlotCount)));
        break;
    case Kind::Fader:
    case Kind::Select:
        FUZZ_CHECK(within(a, 1, static_cast<int>(ChannelCount)) && within(b, 0, 255));
        break;
    case Kind::Page:
        FUZZ_CHECK(within(a, 0, static_cast<int>(MaxFaderPageOffset)));
        break;
    case Kind::Pad:
        FUZZ_CHECK(within(a, 0, 255) && within(b, 0, 255) && within(command->c, 0, 1));
        break;
    case Kind::Blackout:
    case Kind::Latch:
    case Kind::Priority:
        FUZZ_CHECK(within(a, 0, 1));
        break;
    case Kind::Play:
    case Kind::Stop:
    case Kind::Hold:
        break;
    }
    return 0;
}
