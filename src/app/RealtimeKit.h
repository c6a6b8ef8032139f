#pragma once
// Real-time priority for the output thread of a program run by an ordinary
// user: when the direct request is refused, RTKit (org.freedesktop.RealtimeKit1
// on the system bus) is asked once at start-up, within a short budget.

#include <QString>
#include <chrono>
#include <cstdint>

#include "output/OutputTicker.h"

namespace korvanel {

struct RealtimeKitResult {
    // Denied: the system's policy refuses this session real time (polkit, no local login session).
    enum class Answer { Granted, NoBus, NoService, Denied, Refused, NoReply };
    Answer answer = Answer::NoBus;
    QString detail; // the bus's error name or message, for the options page
};

// Sets RLIMIT_RTTIME within the service's RTTimeUSecMax (soft below hard, so a
// runaway thread gets SIGXCPU first) and asks for thread `threadId` of this
// process at `priority`, lowered to the service's maximum. The bus is the one
// DBUS_SYSTEM_BUS_ADDRESS names, else the standard system bus. Waits at most
// `budget` in all; a reply after that may still apply the priority later.
RealtimeKitResult requestRealtimeFromKit(std::int64_t threadId, int priority,
                                         std::chrono::milliseconds budget = std::chrono::milliseconds(1000));

// What the options page says of the output thread's priority; `kit` is the
// RTKit answer when it was asked.
QString outputPriorityText(OutputTicker::Priority priority, const RealtimeKitResult *kit);

} // namespace korvanel
