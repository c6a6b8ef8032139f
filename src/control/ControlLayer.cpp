#include "control/ControlLayer.h"

#include "core/Engine.h"

namespace korvanel {

namespace {
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out: the fuzz build's compiler does not deduce aggregates.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;
} // namespace

ControlLayer::ControlLayer(Engine &engine) : m_engine(engine)
{
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        m_engine.live.pictures.set(k, 0);
}

void ControlLayer::apply(const Command &command)
{
    const std::uint16_t before = m_pictures.onBits();
    std::visit(Overloaded{
                   [&](const command::Play &) {
                       if (m_actions)
                           m_actions->play();
                   },
                   [&](const command::Stop &) {
                       if (m_actions)
                           m_actions->stop();
                   },
                   [&](const command::Picture &p) {
                       if (p.down)
                           m_pictures.press(command.source, p.index);
                       else
                           m_pictures.release(command.source, p.index, p.latch);
                   },
                   [&](const command::PictureSwitch &p) { m_pictures.set(p.index, p.on); },
                   [&](const command::Blackout &b) {
                       if (m_actions)
                           m_actions->setBlackout(b.on);
                   },
                   [&](const command::BlackoutToggle &) {
                       // The key toggles the blackout and stops the stepping, whatever the box did.
                       if (m_actions)
                           m_actions->setBlackout(!m_actions->blackout());
                       store(m_engine.PlayMode, 0);
                   },
                   [&](const command::ConveyorSlot &c) {
                       if (m_actions && c.slot >= 1 && c.slot <= static_cast<int>(ConveyorSlotCount))
                           m_actions->conveyorSlot(c.slot);
                   },
               },
               command.what);
    picturesChanged(before);
}

void ControlLayer::sourceGone(const Source &source)
{
    const std::uint16_t before = m_pictures.onBits();
    m_pictures.releaseAll(source);
    picturesChanged(before);
}

void ControlLayer::picturesChanged(std::uint16_t before)
{
    const std::uint16_t now = m_pictures.onBits();
    if (now == before)
        return;
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        m_engine.live.pictures.set(k, (now >> k) & 1u);
    for (const auto &listener : m_pictureListeners)
        listener(static_cast<std::uint16_t>(now ^ before));
}

ShowState ControlLayer::state() const
{
    return {load(m_engine.PlayMode) == 1, m_actions != nullptr && m_actions->blackout(), m_pictures.onBits()};
}

} // namespace korvanel
