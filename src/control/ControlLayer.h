#pragma once
// The one place every input's commands are applied: the keys, the window's
// controls, the phones and, later, MIDI and OSC. Inputs make commands; the
// layer keeps what it alone knows (who holds which picture), writes the live
// state the output tick reads, and tells whoever follows the show what changed.
// What needs the window's own machinery (the sequencer's timer, a show load)
// goes through Actions.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "control/Command.h"
#include "control/PictureHolds.h"
#include "core/ShowLayout.h"
#include "output/LinkState.h"
#include "playback/TapTempo.h"

namespace korvanel {

struct Engine;
class UsbLink;

// What inputs and displays read of the show, taken from the engine and the layer.
struct ShowState {
    bool playing = false;
    bool blackout = false;
    std::uint16_t pictures = 0; // one bit a picture, in output order
    int tempo = 0;              // the tempo byte
    int scene = 0;              // current scene, 0-based
    int lastScene = 0;
    int lastPosition = 0; // the furthest the scene can be stepped to: one past the last scene
    int pageOffset = 0;   // the fader page's first channel less one
    // The page's rows: the faders' levels, and one bit a selected channel (row 1 in bit 0).
    std::array<std::uint8_t, FaderCount> faders{};
    std::uint32_t selected = 0;
    bool padPriority = false;
    int padX = 0; // the levels the pad sends, after its inversions
    int padY = 0;
    LinkState link = LinkState::Closed; // the USB interface
    bool operator==(const ShowState &) const = default;
};

class ControlLayer {
public:
    // The window's own machinery (the sequencer's timer, a show load), and
    // what it is told after the layer changed the engine, so that its controls
    // show it.
    class Actions {
    public:
        virtual void play() = 0;
        virtual void stop() = 0;
        virtual void conveyorSlot(int slot) = 0;

        // The blackout went on or off, and the stepping stopped.
        virtual void blackoutChanged() = 0;
        virtual void tempoChanged() = 0;
        virtual void sceneChanged() = 0;
        // A row of the fader page took a level or a selection from a command.
        virtual void faderMoved(int channel) = 0;
        virtual void selectionChanged(int channel) = 0;
        virtual void faderPageChanged() = 0;
        // The pad moved; writing it deselected the partners of selected channels or not.
        virtual void padMoved(bool selectionChanged) = 0;

    protected:
        ~Actions() = default;
    };

    explicit ControlLayer(Engine &engine);

    // Set once by the window that builds the layer.
    void setActions(Actions &actions) { m_actions = &actions; }

    void apply(const Command &command);
    // A source that went away (a phone gone, the window that lost the keyboard): what it held is let go.
    void sourceGone(const Source &source);

    ShowState state() const;

    // The hand-scan pad's inversions and swap, set in its window, for every pad.
    struct PadOptions {
        bool invertX = false;
        bool invertY = false;
        bool swap = false;
    };
    void setPadOptions(PadOptions options) { m_padOptions = options; }
    PadOptions padOptions() const { return m_padOptions; }
    // The USB link whose state the show state carries; none in tests and the player.
    void setLink(const UsbLink *link) { m_link = link; }
    // Stepping past the last scene adds one, a copy of the last (the window's menu option).
    void setAutoAddScenes(bool on) { m_autoAddScenes = on; }
    const PictureHolds &pictures() const { return m_pictures; }
    // The clock taps are timed by; tests step their own.
    void setClock(std::function<TapTempo::Clock::time_point()> now) { m_now = std::move(now); }

    // Called after a command changed the pictures (the bits of those that changed).
    void onPicturesChanged(std::function<void(std::uint16_t changed)> listener)
    {
        m_pictureListeners.push_back(std::move(listener));
    }

private:
    void picturesChanged(std::uint16_t before);
    void setBlackout(bool on);
    void setTempo(int position);
    void goToScene(int position);
    void faderLevel(int channel, int level);
    void selectChannel(int channel, bool on);
    void pad(int x, int y);
    // The fader page's row (1..27) that shows channel, or 0.
    int row(int channel) const;

    Engine &m_engine;
    Actions *m_actions = nullptr;
    PictureHolds m_pictures;
    PadOptions m_padOptions;
    bool m_autoAddScenes = false;
    const UsbLink *m_link = nullptr;
    std::vector<std::function<void(std::uint16_t)>> m_pictureListeners;
    TapTempo m_taps;
    std::function<TapTempo::Clock::time_point()> m_now = [] { return TapTempo::Clock::now(); };
};

} // namespace korvanel
