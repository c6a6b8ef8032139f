// Channel names: every byte string a 16-byte name slot can hold comes back
// unchanged through the field (bytes -> text -> bytes), and text the field
// accepts comes back unchanged through the show (text -> bytes -> text).

#include <algorithm>
#include <memory>

#include "FuzzSupport.h"
#include "files/ChannelNames.h"
#include "ui/widgets/ChannelName.h"
#include "ui/widgets/NameCodec.h"

using namespace korvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const NameCodec &codec = NameCodec::instance();

    // The slot as stored: up to 16 bytes, the name ending at the first zero.
    NameBytes slot{};
    std::copy_n(data, std::min(size, NameSize), slot.begin());
    const auto length = static_cast<std::size_t>(std::find(slot.begin(), slot.end(), 0) - slot.begin());
    const std::string name(reinterpret_cast<const char *>(slot.data()), length);
    const QString text = codec.decode(slot);
    FUZZ_CHECK(static_cast<std::size_t>(text.size()) == length);
    FUZZ_CHECK(codec.canEncode(text));
    FUZZ_CHECK(codec.encode(text) == name);

    // The name page's way: the slot loaded for editing, shown, stored from the field, loaded again.
    const auto engine = std::make_unique<Engine>();
    const std::size_t channel = size > NameSize ? data[NameSize] : 1;
    engine->SceneMemory.copyFrom(slot, nameOffset(channel));
    const NameBytes edited = LoadEdit(*engine, channel);
    const QString field = codec.decode(edited);
    const QString shown = channelName(*engine, channel);
    FUZZ_CHECK(field == shown && field.size() <= static_cast<qsizetype>(NameSize));
    SaveEdit(*engine, channel, padName(codec.encode(field.left(static_cast<qsizetype>(NameSize)))));
    zeroNameBlanks(*engine);
    FUZZ_CHECK(LoadEdit(*engine, channel) == edited);
    FUZZ_CHECK(channelName(*engine, channel) == shown);

    // Text the field would take: the rest of the input as UTF-16.
    if (size > NameSize + 1) {
        const std::size_t units = (size - NameSize - 1) / 2;
        QString typed;
        for (std::size_t i = 0; i < units; ++i)
            typed.append(QChar(static_cast<char16_t>(data[NameSize + 1 + 2 * i] | data[NameSize + 2 + 2 * i] << 8)));
        if (codec.canEncode(typed)) {
            const std::string stored = codec.encode(typed);
            FUZZ_CHECK(stored.size() == static_cast<std::size_t>(typed.size()));
            FUZZ_CHECK(codec.decode(std::span(reinterpret_cast<const std::uint8_t *>(stored.data()), stored.size())) ==
                       typed);
        }
    }
    return 0;
}
