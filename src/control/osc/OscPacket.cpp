#include "control/osc/OscPacket.h"

#include <cstring>
#include <lo/lo.h>
#include <memory>

namespace korvanel {

namespace {

constexpr std::string_view BundleTag{"#bundle\0", 8};
constexpr std::size_t BundleHead = 16; // the tag and the time tag

std::uint32_t bigEndian32(const std::uint8_t *p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

struct LoMessageFree {
    void operator()(lo_message m) const { lo_message_free(m); }
};

std::optional<OscMessage> decodeMessage(std::span<const std::uint8_t> bytes)
{
    // liblo wants a writable buffer; it only reads this one.
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    int result = 0;
    const std::unique_ptr<std::remove_pointer_t<lo_message>, LoMessageFree> message(
        lo_message_deserialise(copy.data(), copy.size(), &result));
    if (!message || result != 0)
        return std::nullopt;
    OscMessage out;
    // liblo has checked that the path ends inside the message.
    out.path.assign(reinterpret_cast<const char *>(copy.data()),
                    ::strnlen(reinterpret_cast<const char *>(copy.data()), copy.size()));
    const char *types = lo_message_get_types(message.get());
    const int count = lo_message_get_argc(message.get());
    lo_arg **argv = lo_message_get_argv(message.get());
    out.types.assign(types != nullptr ? types : "");
    if (static_cast<int>(out.types.size()) != count)
        return std::nullopt;
    out.ints.assign(out.types.size(), 0);
    out.floats.assign(out.types.size(), 0.0f);
    // liblo's arguments are only 4-byte aligned, short of its union's alignment: copied, not read through it.
    for (std::size_t k = 0; k < out.types.size(); ++k) {
        if (out.types[k] == LO_INT32)
            std::memcpy(&out.ints[k], static_cast<const void *>(argv[k]), sizeof out.ints[k]);
        else if (out.types[k] == LO_FLOAT)
            std::memcpy(&out.floats[k], static_cast<const void *>(argv[k]), sizeof out.floats[k]);
    }
    return out;
}

bool decodeElement(std::span<const std::uint8_t> bytes, int depth, std::vector<OscMessage> &out)
{
    const bool bundle =
        bytes.size() >= BundleTag.size() && std::memcmp(bytes.data(), BundleTag.data(), BundleTag.size()) == 0;
    if (!bundle) {
        if (out.size() >= MaxOscMessagesPerPacket)
            return false;
        auto message = decodeMessage(bytes);
        if (!message)
            return false;
        out.push_back(std::move(*message));
        return true;
    }
    // Bundles are taken at once, whatever their time tag says.
    if (depth >= MaxOscBundleDepth || bytes.size() < BundleHead)
        return false;
    std::size_t at = BundleHead;
    while (at < bytes.size()) {
        if (bytes.size() - at < 4)
            return false;
        const std::uint32_t size = bigEndian32(bytes.data() + at);
        at += 4;
        if (size == 0 || size % 4 != 0 || size > bytes.size() - at)
            return false;
        if (!decodeElement(bytes.subspan(at, size), depth + 1, out))
            return false;
        at += size;
    }
    return true;
}

} // namespace

std::optional<std::vector<OscMessage>> decodeOscPacket(std::span<const std::uint8_t> packet)
{
    if (packet.empty() || packet.size() > MaxOscDatagram || packet.size() % 4 != 0)
        return std::nullopt;
    std::vector<OscMessage> messages;
    if (!decodeElement(packet, 0, messages))
        return std::nullopt;
    return messages;
}

std::vector<std::uint8_t> encodeOscInt(std::string_view path, std::int32_t value)
{
    const std::string name(path);
    const std::unique_ptr<std::remove_pointer_t<lo_message>, LoMessageFree> message(lo_message_new());
    lo_message_add_int32(message.get(), value);
    std::vector<std::uint8_t> bytes(lo_message_length(message.get(), name.c_str()));
    std::size_t size = bytes.size();
    lo_message_serialise(message.get(), name.c_str(), bytes.data(), &size);
    bytes.resize(size);
    return bytes;
}

} // namespace korvanel
