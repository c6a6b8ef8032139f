#pragma once
// The page's messages to the program, one JSON object each, read with every
// number checked against its range. Anything else is no command.

#include <QByteArray>
#include <optional>

namespace korvanel {

struct RemoteCommand {
    enum class Kind {
        Play,     // {"t":"play"}
        Stop,     // {"t":"stop"}
        Tempo,    // {"t":"tempo","v":10..170}
        Step,     // {"t":"step","d":-1|1}
        Blackout, // {"t":"blackout","on":bool}
        Picture,  // {"t":"pic","n":1..16,"down":bool}
        Latch,    // {"t":"latch","on":bool}
        Slot,     // {"t":"slot","n":1..20}
        Fader,    // {"t":"fader","ch":1..255,"v":0..255}
        Select,   // {"t":"select","ch":1..255,"on":bool}
        Page,     // {"t":"page","off":0..228}
        Pad,      // {"t":"xy","x":0..255,"y":0..255,"down":bool}
        Priority, // {"t":"prio","on":bool}
        Hold,     // {"t":"hold"}: still here, still holding what it holds
    };
    Kind kind;
    int a = 0; // the number: channel, picture, slot, tempo, offset, x
    int b = 0; // the second: level, y; 1/0 for a switch
    int c = 0; // the pad's button: 1 held
    bool operator==(const RemoteCommand &) const = default;
};

// Longer messages are not read at all.
inline constexpr int MaxRemoteMessage = 512;

std::optional<RemoteCommand> parseRemoteCommand(const QByteArray &message);

} // namespace korvanel
