// An OSC datagram: any bytes decode to nothing or to at most a packet's worth
// of messages, and every command made of them lies within its range, so
// nothing from the network reaches the show out of bounds.

#include "FuzzSupport.h"
#include "control/osc/OscAddressSpace.h"
#include "core/Engine.h"
#include "core/ShowLayout.h"

using namespace korvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto messages = decodeOscPacket({data, size});
    if (!messages)
        return 0;
    FUZZ_CHECK(size <= MaxOscDatagram && messages->size() <= MaxOscMessagesPerPacket);
    auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    for (const OscMessage &message : *messages) {
        FUZZ_CHECK(message.ints.size() == message.types.size() && message.floats.size() == message.types.size());
        const OscRequest request = oscRequestOf(message);
        const auto *command = std::get_if<CommandValue>(&request);
        if (command == nullptr)
            continue;
        if (const auto *p = std::get_if<command::Picture>(command))
            FUZZ_CHECK(within(p->index, 0, static_cast<int>(StaticPictureCount) - 1) && !p->latch);
        if (const auto *f = std::get_if<command::FaderLevel>(command))
            FUZZ_CHECK(within(f->channel, 1, static_cast<int>(ChannelCount)) && within(f->level, 0, 255));
        if (const auto *t = std::get_if<command::Tempo>(command))
            FUZZ_CHECK(within(t->value, 10, 170));
        if (const auto *g = std::get_if<command::GoToScene>(command))
            FUZZ_CHECK(within(g->scene, 0, 255));
        if (const auto *s = std::get_if<command::ConveyorSlot>(command))
            FUZZ_CHECK(within(s->slot, 1, static_cast<int>(ConveyorSlotCount)));
        if (const auto *p = std::get_if<command::Pad>(command))
            FUZZ_CHECK(within(p->x, 0, 255) && within(p->y, 0, 255));
    }
    return 0;
}
