#pragma once
// A MIDI controller as the program meets it on a JACK server: a client of its
// own with a port that sends ("Desk faders:out") and one that takes the
// program's feedback ("Desk lights:in"). What arrives is kept for the test.

#include <RtMidi.h>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace korvanel::test {

class MidiController {
public:
    using Bytes = std::vector<unsigned char>;
    static constexpr const char *Sends = "Desk faders:out";
    static constexpr const char *Hears = "Desk lights:in";

    MidiController()
    {
        m_out = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "Desk faders");
        m_out->setErrorCallback(&MidiController::error, this);
        m_in = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, "Desk lights");
        m_in->setErrorCallback(&MidiController::error, this);
        m_in->setCallback(&MidiController::heard, this);
        plug();
        m_in->openVirtualPort("in");
    }
    ~MidiController()
    {
        m_in->closePort();
        m_out->closePort();
    }

    // Its sending port goes away and comes back, as a controller pulled out and plugged in again.
    void unplug() { m_out->closePort(); }
    void plug() { m_out->openVirtualPort("out"); }

    void send(const Bytes &bytes) { m_out->sendMessage(&bytes); }

    std::vector<Bytes> heard() const
    {
        std::lock_guard guard(m_lock);
        return m_heard;
    }
    void forget()
    {
        std::lock_guard guard(m_lock);
        m_heard.clear();
    }
    // Waits, bounded, until what arrived satisfies `enough`.
    bool hear(const std::function<bool(const std::vector<Bytes> &)> &enough, std::chrono::milliseconds limit,
              const std::function<void()> &meanwhile = {})
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            if (enough(heard()))
                return true;
            if (meanwhile)
                meanwhile();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return enough(heard());
    }
    std::string errors() const
    {
        std::lock_guard guard(m_lock);
        return m_errors;
    }

private:
    static void heard(double, std::vector<unsigned char> *bytes, void *self)
    {
        auto &me = *static_cast<MidiController *>(self);
        std::lock_guard guard(me.m_lock);
        me.m_heard.push_back(*bytes);
    }
    static void error(RtMidiError::Type, const std::string &text, void *self)
    {
        auto &me = *static_cast<MidiController *>(self);
        std::lock_guard guard(me.m_lock);
        me.m_errors += text + "\n";
    }

    std::unique_ptr<RtMidiOut> m_out;
    std::unique_ptr<RtMidiIn> m_in;
    mutable std::mutex m_lock;
    std::vector<Bytes> m_heard;
    std::string m_errors;
};

} // namespace korvanel::test
