#include "control/PictureHolds.h"

#include <algorithm>

namespace korvanel {

bool PictureHolds::on(int index) const
{
    return valid(index) && (m_pictures[index].latched || !m_pictures[index].holders.empty());
}

bool PictureHolds::heldBy(const Source &source, int index) const
{
    if (!valid(index))
        return false;
    const auto &holders = m_pictures[index].holders;
    return std::any_of(holders.begin(), holders.end(), [&](const Holder &h) { return h.source == source; });
}

PictureHolds::Holder *PictureHolds::holder(const Source &source, int index)
{
    if (!valid(index))
        return nullptr;
    auto &holders = m_pictures[index].holders;
    const auto it = std::find_if(holders.begin(), holders.end(), [&](const Holder &h) { return h.source == source; });
    return it == holders.end() ? nullptr : &*it;
}

std::uint16_t PictureHolds::onBits() const
{
    std::uint16_t bits = 0;
    for (int k = 0; k < static_cast<int>(StaticPictureCount); ++k)
        bits |= on(k) ? static_cast<std::uint16_t>(1u << k) : 0u;
    return bits;
}

bool PictureHolds::press(const Source &source, int index)
{
    if (!valid(index))
        return false;
    const bool was = on(index);
    if (!heldBy(source, index))
        m_pictures[index].holders.push_back({source, m_pictures[index].latched});
    return on(index) != was;
}

bool PictureHolds::release(const Source &source, int index, bool latch)
{
    // A release from a source that never pressed (a lost key-down, a page that
    // reconnected) changes nothing: only a press and its release are on purpose.
    const Holder *held = holder(source, index);
    if (held == nullptr)
        return false;
    const bool was = on(index);
    Picture &picture = m_pictures[index];
    // Let go under a latch, it stays; a plain release ends a latch only when it pressed the latched picture.
    if (latch)
        picture.latched = true;
    else if (held->overLatch)
        picture.latched = false;
    std::erase_if(picture.holders, [&](const Holder &h) { return h.source == source; });
    return on(index) != was;
}

bool PictureHolds::set(int index, bool on)
{
    if (!valid(index))
        return false;
    const bool was = this->on(index);
    m_pictures[index].holders.clear();
    m_pictures[index].latched = on;
    return on != was;
}

std::uint16_t PictureHolds::releaseAll(const Source &source)
{
    std::uint16_t off = 0;
    for (int k = 0; k < static_cast<int>(StaticPictureCount); ++k) {
        if (heldBy(source, k)) {
            std::erase_if(m_pictures[k].holders, [&](const Holder &h) { return h.source == source; });
            if (!on(k))
                off |= static_cast<std::uint16_t>(1u << k);
        }
    }
    return off;
}

} // namespace korvanel
