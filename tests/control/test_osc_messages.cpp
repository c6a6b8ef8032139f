// The OSC input without sockets: packets decoded whole or not at all, the
// address space's commands and refusals, the feedback sent, and the clients
// kept, each bounded and each ending.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "control/osc/OscAddressSpace.h"
#include "control/osc/OscClients.h"
#include "control/osc/OscFeedback.h"
#include "control/osc/OscPacket.h"
#include "support/OscBytes.h"

using namespace korvanel;

namespace {

using Bytes = test::OscBytes;

Bytes message(const std::string &path, const std::string &types = {}, std::vector<double> numbers = {})
{
    return test::oscMessage(path, types, std::move(numbers));
}
Bytes bundle(const std::vector<Bytes> &elements) { return test::oscBundle(elements); }

// What the address space asks for, spelled out for comparison.
std::string requestText(const Bytes &packet)
{
    const auto messages = decodeOscPacket(packet);
    if (!messages || messages->size() != 1)
        return "undecoded";
    const OscRequest request = oscRequestOf(messages->front());
    if (std::holds_alternative<osc::Bad>(request))
        return "bad";
    if (std::holds_alternative<osc::Subscribe>(request))
        return "subscribe";
    if (std::holds_alternative<osc::Unsubscribe>(request))
        return "unsubscribe";
    const auto &c = std::get<CommandValue>(request);
    using namespace command;
    if (std::holds_alternative<Play>(c))
        return "play";
    if (std::holds_alternative<Stop>(c))
        return "stop";
    if (const auto *p = std::get_if<Picture>(&c))
        return "picture " + std::to_string(p->index) + (p->down ? " down" : " up") + (p->latch ? " latch" : "");
    if (const auto *b = std::get_if<Blackout>(&c))
        return std::string("blackout ") + (b->on ? "on" : "off");
    if (const auto *s = std::get_if<ConveyorSlot>(&c))
        return "slot " + std::to_string(s->slot);
    if (const auto *t = std::get_if<Tempo>(&c))
        return "tempo " + std::to_string(t->value);
    if (const auto *g = std::get_if<GoToScene>(&c))
        return "scene " + std::to_string(g->scene);
    if (const auto *s = std::get_if<StepScene>(&c))
        return "step " + std::to_string(s->delta);
    if (const auto *f = std::get_if<FaderLevel>(&c))
        return "fader " + std::to_string(f->channel) + " " + std::to_string(f->level);
    if (const auto *p = std::get_if<Pad>(&c))
        return "pad " + std::to_string(p->x) + " " + std::to_string(p->y);
    return "other";
}

} // namespace

TEST(OscPacket, AMessageOrABundleIsDecodedWholeOrNotAtAll)
{
    const auto one = decodeOscPacket(message("/korvanel/fader/3", "if", {200, 0.5}));
    ASSERT_TRUE(one);
    ASSERT_EQ(one->size(), 1u);
    EXPECT_EQ(one->front().path, "/korvanel/fader/3");
    EXPECT_EQ(one->front().types, "if");
    EXPECT_EQ(one->front().ints[0], 200);
    EXPECT_EQ(one->front().floats[1], 0.5f);

    const Bytes nested = bundle({message("/korvanel/play"), bundle({message("/korvanel/tempo", "i", {44})})});
    const auto all = decodeOscPacket(nested);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 2u);
    EXPECT_EQ((*all)[1].path, "/korvanel/tempo");

    // Cut anywhere inside an element, or with a size that runs past the end, it is nothing.
    for (std::size_t cut : {4u, 12u, 20u, 24u, static_cast<unsigned>(nested.size() - 4)})
        EXPECT_FALSE(decodeOscPacket(Bytes(nested.begin(), nested.begin() + static_cast<std::ptrdiff_t>(cut)))) << cut;
    Bytes lying = nested;
    lying[19] += 8;
    EXPECT_FALSE(decodeOscPacket(lying));
    Bytes typeless = message("/korvanel/blackout", "i", {1});
    typeless[20] = 'x'; // the type tag string no longer starts with ','
    EXPECT_FALSE(decodeOscPacket(typeless));
    EXPECT_FALSE(decodeOscPacket(Bytes{'/', 'k', 0}));
    EXPECT_FALSE(decodeOscPacket(Bytes(MaxOscDatagram + 4, 0)));

    // Too many messages, or bundles too deep, are refused whole rather than taken in part.
    EXPECT_TRUE(decodeOscPacket(bundle(std::vector<Bytes>(MaxOscMessagesPerPacket, message("/korvanel/play")))));
    EXPECT_FALSE(decodeOscPacket(bundle(std::vector<Bytes>(MaxOscMessagesPerPacket + 1, message("/korvanel/play")))));
    Bytes deep = message("/korvanel/play");
    for (int depth = 0; depth < MaxOscBundleDepth; ++depth)
        deep = bundle({deep});
    EXPECT_TRUE(decodeOscPacket(deep));
    EXPECT_FALSE(decodeOscPacket(bundle({deep})));

    EXPECT_EQ(encodeOscInt("/korvanel/scene", 7), message("/korvanel/scene", "i", {7}));
}

TEST(OscAddressSpace, EveryAddressMakesTheCommandOfTheWindowsControl)
{
    const std::vector<std::pair<Bytes, std::string>> cases{
        {message("/korvanel/play"), "play"},
        {message("/korvanel/stop"), "stop"},
        {message("/korvanel/scene/next"), "step 1"},
        {message("/korvanel/scene/prev"), "step -1"},
        {message("/korvanel/scene", "i", {1}), "scene 0"},
        {message("/korvanel/scene", "i", {256}), "scene 255"},
        {message("/korvanel/tempo", "i", {10}), "tempo 10"},
        {message("/korvanel/tempo", "i", {170}), "tempo 170"},
        {message("/korvanel/blackout", "i", {1}), "blackout on"},
        {message("/korvanel/blackout", "i", {0}), "blackout off"},
        {message("/korvanel/picture/1", "i", {1}), "picture 0 down"},
        {message("/korvanel/picture/16", "i", {0}), "picture 15 up"},
        {message("/korvanel/fader/1", "f", {0.5}), "fader 1 128"},
        {message("/korvanel/fader/255", "f", {1}), "fader 255 255"},
        {message("/korvanel/fader/27", "i", {0}), "fader 27 0"},
        {message("/korvanel/conveyor/20"), "slot 20"},
        {message("/korvanel/pad", "ff", {0, 1}), "pad 0 0"},
        {message("/korvanel/pad", "ff", {1, 0}), "pad 255 255"},
        {message("/korvanel/subscribe"), "subscribe"},
        {message("/korvanel/unsubscribe"), "unsubscribe"},
    };
    for (const auto &[packet, expected] : cases)
        EXPECT_EQ(requestText(packet), expected) << expected;
}

TEST(OscAddressSpace, UnknownAddressesWrongArgumentsAndValuesOutOfRangeMakeNothing)
{
    const std::vector<Bytes> bad{
        message("/korvanel/jump"),
        message("/korvanel"),
        message("/other/play"),
        message("/korvanel/play/"),
        message("/korvanel/play", "i", {1}),
        message("/korvanel/scene"),
        message("/korvanel/scene", "i", {0}),
        message("/korvanel/scene", "i", {257}),
        message("/korvanel/scene", "f", {3}),
        message("/korvanel/tempo", "i", {9}),
        message("/korvanel/tempo", "i", {171}),
        message("/korvanel/tempo", "s"),
        message("/korvanel/blackout", "i", {2}),
        message("/korvanel/blackout", "ii", {1, 1}),
        message("/korvanel/picture/0", "i", {1}),
        message("/korvanel/picture/17", "i", {1}),
        message("/korvanel/picture/01", "i", {1}),
        message("/korvanel/picture/x", "i", {1}),
        message("/korvanel/picture", "i", {1}),
        message("/korvanel/picture/3"),
        message("/korvanel/fader/0", "i", {1}),
        message("/korvanel/fader/256", "i", {1}),
        message("/korvanel/fader/1000", "i", {1}),
        message("/korvanel/fader/1", "i", {256}),
        message("/korvanel/fader/1", "i", {-1}),
        message("/korvanel/fader/1", "f", {1.01}),
        message("/korvanel/fader/1", "f", {-0.01}),
        message("/korvanel/fader/1", "f", {std::nan("")}),
        message("/korvanel/fader/1", "fi", {0.5, 1}),
        message("/korvanel/fader/+1", "i", {1}),
        message("/korvanel/conveyor/21"),
        message("/korvanel/conveyor/1", "i", {1}),
        message("/korvanel/pad", "f", {0.5}),
        message("/korvanel/pad", "ii", {0, 1}),
        message("/korvanel/pad", "ff", {0.5, 2}),
        message("/korvanel/subscribe", "i", {1}),
    };
    for (const Bytes &packet : bad)
        EXPECT_EQ(requestText(packet), "bad") << decodeOscPacket(packet)->front().path;
}

TEST(OscFeedback, EverythingOnceThenOnlyWhatChangedAndAnotherPagesFadersWhole)
{
    ShowState state;
    state.tempo = 44;
    state.pictures = 0b100;
    state.faders[0] = 9;
    OscFeedback feedback;
    const std::vector<OscValue> first = feedback.changes(state);
    EXPECT_EQ(first, oscFeedbackOf(state));
    ASSERT_EQ(first.size(), 4 + StaticPictureCount + FaderCount);
    EXPECT_EQ(first[0], (OscValue{"/korvanel/scene", 1}));
    EXPECT_EQ(first[2], (OscValue{"/korvanel/tempo", 44}));
    EXPECT_EQ(first[4 + 2], (OscValue{"/korvanel/picture/3", 1}));
    EXPECT_EQ(first[4 + StaticPictureCount], (OscValue{"/korvanel/fader/1", 9}));
    EXPECT_TRUE(feedback.changes(state).empty());

    state.playing = true;
    state.scene = 4;
    state.faders[26] = 200;
    EXPECT_EQ(feedback.changes(state),
              (std::vector<OscValue>{{"/korvanel/scene", 5}, {"/korvanel/playing", 1}, {"/korvanel/fader/27", 200}}));

    // Page 2 and back: page 1's channels go out again, though their levels did not change.
    state.pageOffset = 27;
    const auto page2 = feedback.changes(state);
    ASSERT_EQ(page2.size(), FaderCount);
    EXPECT_EQ(page2.front(), (OscValue{"/korvanel/fader/28", 9}));
    state.pageOffset = 0;
    EXPECT_EQ(feedback.changes(state).size(), FaderCount);
}

TEST(OscClients, SubscriptionsAndHoldsEndAndBothListsStayBounded)
{
    OscClients clients;
    const OscPeer a = oscPeer(0x7F000001, 9001);
    EXPECT_EQ(oscPeerAddress(a), 0x7F000001u);
    EXPECT_EQ(oscPeerPort(a), 9001);
    EXPECT_TRUE(clients.subscribe(a, 0));
    EXPECT_FALSE(clients.subscribe(a, 30'000)) << "a renewal owes no whole state";
    clients.expire(90'000);
    EXPECT_EQ(clients.subscribers().size(), 1u) << "renewed at 30 s";
    clients.expire(90'001);
    EXPECT_TRUE(clients.subscribers().empty());

    // A hold lives while its client says anything at least once a minute.
    EXPECT_TRUE(clients.holds(a, 0).empty());
    clients.heard(a, 50'000);
    EXPECT_TRUE(clients.expire(110'000).empty());
    EXPECT_EQ(clients.expire(110'001), std::vector<OscPeer>{a});
    EXPECT_TRUE(clients.empty());

    // Full lists: the oldest gives way, and a hold that gives way is handed back to be let go of.
    for (std::uint16_t port = 1; port <= OscClients::MaxSubscribers + 5; ++port) {
        clients.subscribe(oscPeer(1, port), port);
        const auto gone = clients.holds(oscPeer(1, port), port);
        EXPECT_EQ(gone.size(), port > OscClients::MaxHolders ? 1u : 0u);
        if (!gone.empty()) {
            EXPECT_EQ(gone.front(), oscPeer(1, static_cast<std::uint16_t>(port - OscClients::MaxHolders)));
        }
    }
    EXPECT_EQ(clients.subscribers().size(), OscClients::MaxSubscribers);
    EXPECT_EQ(clients.subscribers().front(), oscPeer(1, 6));
    EXPECT_EQ(clients.clear().size(), OscClients::MaxHolders);
    EXPECT_TRUE(clients.empty());
}
