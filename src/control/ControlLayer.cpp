#include "control/ControlLayer.h"

#include <algorithm>

#include "core/Engine.h"
#include "editing/SceneOperations.h"
#include "output/UsbLink.h"
#include "playback/HandScan.h"
#include "playback/Tempo.h"

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
    // What the layer holds starts off, whatever an earlier window left in the engine.
    for (std::size_t k = 0; k < StaticPictureCount; ++k)
        m_engine.live.pictures.set(k, 0);
    store(m_engine.live.blackout, 0);
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
                   [&](const command::Blackout &b) { setBlackout(b.on); },
                   [&](const command::BlackoutToggle &) { setBlackout(load(m_engine.live.blackout) == 0); },
                   [&](const command::ConveyorSlot &c) {
                       if (m_actions && c.slot >= 1 && c.slot <= static_cast<int>(ConveyorSlotCount))
                           m_actions->conveyorSlot(c.slot);
                   },
                   [&](const command::Tempo &t) { setTempo(t.value); },
                   [&](const command::TapTempo &) {
                       if (const std::optional<int> position = m_taps.tap(m_now()))
                           setTempo(*position);
                   },
                   [&](const command::GoToScene &g) { goToScene(g.scene); },
                   [&](const command::StepScene &s) { goToScene(m_engine.currentScene() + s.delta); },
                   [&](const command::FaderLevel &f) { faderLevel(f.channel, f.level); },
                   [&](const command::SelectChannel &c) { selectChannel(c.channel, c.on); },
                   [&](const command::FaderPage &p) {
                       // The page the rows already show: nothing to reread.
                       const auto offset = static_cast<std::uint8_t>(std::clamp<int>(p.offset, 0, MaxFaderPageOffset));
                       if (offset == load(m_engine.FaderPageOffset))
                           return;
                       store(m_engine.FaderPageOffset, offset);
                       if (m_actions)
                           m_actions->faderPageChanged();
                   },
                   [&](const command::Pad &p) { pad(p.x, p.y); },
                   [&](const command::PadPriority &p) { store(m_engine.live.HandScanActive, p.on ? 1 : 0); },
               },
               command.what);
    picturesChanged(before);
}

void ControlLayer::setTempo(int position)
{
    m_engine.setSys(SysTempo,
                    static_cast<std::uint8_t>(std::clamp<int>(position, MinSequencerTempo, MaxSequencerTempo)));
    if (m_actions)
        m_actions->tempoChanged();
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

int ControlLayer::row(int channel) const
{
    const int k = channel - static_cast<int>(std::min(load(m_engine.FaderPageOffset), MaxFaderPageOffset));
    return k >= 1 && k <= static_cast<int>(FaderCount) ? k : 0;
}

void ControlLayer::setBlackout(bool on)
{
    if (on == (load(m_engine.live.blackout) != 0))
        return;
    // Every change of the blackout stops the stepping.
    store(m_engine.PlayMode, 0);
    store(m_engine.live.blackout, on ? 1 : 0);
    if (m_actions)
        m_actions->blackoutChanged();
}

void ControlLayer::goToScene(int position)
{
    // Within the scene slider's reach; a playing show steps only by itself, and
    // the window's slider then goes back to the scene that plays.
    static_cast<void>(stepToScene(m_engine, std::clamp(position, 0, state().lastPosition), m_autoAddScenes));
    if (m_actions)
        m_actions->sceneChanged();
}

void ControlLayer::faderLevel(int channel, int level)
{
    if (channel < 1 || channel > 255)
        return;
    const auto value = static_cast<std::uint8_t>(std::clamp(level, 0, 255));
    const int k = row(channel);
    if (k != 0)
        m_engine.live.faderPosition.set(static_cast<std::size_t>(k), value);
    // A playing show's scenes are not edited; the fader still plays under manual control.
    if (load(m_engine.PlayMode) == 0)
        m_engine.SceneMemory.set(sceneByte(m_engine.currentScene(), static_cast<std::size_t>(channel)), value);
    if (m_actions)
        m_actions->faderMoved(channel);
}

void ControlLayer::selectChannel(int channel, bool on)
{
    if (channel < 1 || channel > 255)
        return;
    if (const int k = row(channel))
        m_engine.live.faderChecked.set(static_cast<std::size_t>(k), on ? 1 : 0);
    m_engine.SceneMemory.set(selectionByte(static_cast<std::size_t>(channel)), on ? 1 : 0);
    if (m_actions)
        m_actions->selectionChanged(channel);
}

void ControlLayer::pad(int x, int y)
{
    const PadLevels levels = padLevels(x, y, m_padOptions.invertX, m_padOptions.invertY, m_padOptions.swap);
    store(m_engine.live.HandScanX, levels.x);
    store(m_engine.live.HandScanY, levels.y);
    const bool deselected = writeHandScanPairs(m_engine, levels, load(m_engine.PlayMode) == 0);
    if (m_actions)
        m_actions->padMoved(deselected);
}

ShowState ControlLayer::state() const
{
    ShowState s;
    s.playing = load(m_engine.PlayMode) == 1;
    s.blackout = load(m_engine.live.blackout) != 0;
    s.pictures = m_pictures.onBits();
    s.tempo = m_engine.sys(SysTempo);
    s.scene = m_engine.currentScene();
    s.lastScene = m_engine.sys(SysLastScene);
    // Scene 255 is the end; a current scene past the last one stays within reach.
    s.lastPosition = std::max(std::min(s.lastScene + 1, 255), s.scene);
    s.pageOffset = std::min(load(m_engine.FaderPageOffset), MaxFaderPageOffset);
    for (std::size_t k = 1; k <= FaderCount; ++k) {
        s.faders[k - 1] = m_engine.live.faderPosition.get(k);
        if (m_engine.live.faderChecked.get(k) != 0)
            s.selected |= 1u << (k - 1);
    }
    s.padPriority = load(m_engine.live.HandScanActive) != 0;
    s.padX = load(m_engine.live.HandScanX);
    s.padY = load(m_engine.live.HandScanY);
    s.link = m_link != nullptr ? m_link->state() : LinkState::Closed;
    return s;
}

} // namespace korvanel
