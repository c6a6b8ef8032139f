#include <gtest/gtest.h>

#include <memory>

#include "output/WireFrame.h"

using namespace korvanel;

namespace {

struct Encoded {
    WireBuffer buffer{};
    std::size_t length = 0;
    std::uint8_t operator[](std::size_t i) const { return buffer[i]; }
};

Encoded encode(const AtomicBytes<DmxFrameSize> &frame)
{
    Encoded e;
    e.length = encodeWireFrame(frame, e.buffer);
    return e;
}

void expectEnds(const Encoded &e)
{
    ASSERT_GE(e.length, 6u);
    EXPECT_EQ(e[e.length - 4], 0xFF);
    EXPECT_EQ(e[e.length - 3], 0xF1);
    EXPECT_EQ(e[e.length - 2], 0xFF);
    EXPECT_EQ(e[e.length - 1], 0xFF);
    EXPECT_EQ(e[e.length], 0xFF) << "a further FF follows, not counted";
}

} // namespace

TEST(WireFrame, AFrameWithoutAnyFFIs519BytesAndCarriesEverySlotInOrder)
{
    auto frame = std::make_unique<AtomicBytes<DmxFrameSize>>();
    for (std::size_t i = 1; i < DmxFrameSize; ++i)
        frame->set(i, static_cast<std::uint8_t>(i % 255)); // 0..254, never FF
    const Encoded e = encode(*frame);
    ASSERT_EQ(e.length, 519u);
    EXPECT_EQ(e[0], 0xFF);
    EXPECT_EQ(e[1], 0xF0);
    EXPECT_EQ(e[2], 0x00) << "start code first";
    for (std::size_t i = 0; i < DmxFrameSize; ++i)
        ASSERT_EQ(e[2 + i], frame->get(i)) << i;
    expectEnds(e);
}

TEST(WireFrame, EachFFIsSentAsFFF7)
{
    auto frame = std::make_unique<AtomicBytes<DmxFrameSize>>();
    frame->set(1, 255);
    Encoded e = encode(*frame);
    ASSERT_EQ(e.length, 520u);
    EXPECT_EQ(e[2], 0x00);
    EXPECT_EQ(e[3], 0xFF);
    EXPECT_EQ(e[4], 0xF7);
    EXPECT_EQ(e[5], 0x00) << "channel 2 right after the pair";
    expectEnds(e);

    // A literal F0, F1 or F7 in the data needs no escape: only FF does.
    frame->set(2, 0xF0);
    frame->set(3, 0xF7);
    frame->set(512, 255);
    e = encode(*frame);
    ASSERT_EQ(e.length, 521u);
    EXPECT_EQ(e[5], 0xF0);
    EXPECT_EQ(e[6], 0xF7);
    EXPECT_EQ(e[e.length - 6], 0xFF) << "channel 512";
    EXPECT_EQ(e[e.length - 5], 0xF7);
    expectEnds(e);
}

TEST(WireFrame, AllFFFillsTheLongestFrame)
{
    auto frame = std::make_unique<AtomicBytes<DmxFrameSize>>();
    frame->fill(255);
    const Encoded e = encode(*frame);
    ASSERT_EQ(e.length, WireFrameMaxLength);
    ASSERT_EQ(e.length, 1032u);
    for (std::size_t i = 0; i < DmxFrameSize; ++i) {
        ASSERT_EQ(e[2 + 2 * i], 0xFF) << i;
        ASSERT_EQ(e[3 + 2 * i], 0xF7) << i;
    }
    expectEnds(e);
}
