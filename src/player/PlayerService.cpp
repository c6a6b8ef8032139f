#include "player/PlayerService.h"

#include <ctime>

namespace korvanel {

void PlayerService::becomeReady(const std::string &status, Clock::time_point now)
{
    m_ready = true;
    m_status = status;
    sendStatus("READY=1\n", now);
}

void PlayerService::setStatus(const std::string &status, Clock::time_point now)
{
    m_status = status;
    if (m_ready && m_status != m_sent && now >= m_sentAt + StatusSpacing)
        sendStatus("", now);
}

std::optional<PlayerService::Clock::time_point> PlayerService::nextSend() const
{
    if (!active() || !m_ready || m_status == m_sent)
        return std::nullopt;
    return m_sentAt + StatusSpacing;
}

void PlayerService::reloading()
{
    // Before the first frame systemd is still starting the service: there is no reload to tell.
    if (!m_ready)
        return;
    // MONOTONIC_USEC lets a Type=notify-reload unit tell this reload from an earlier one.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long usec = static_cast<long long>(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
    m_socket.send("RELOADING=1\nMONOTONIC_USEC=" + std::to_string(usec));
}

void PlayerService::reloaded(const std::string &status, Clock::time_point now)
{
    m_status = status;
    if (m_ready)
        sendStatus("READY=1\n", now);
}

void PlayerService::stopping() { m_socket.send("STOPPING=1"); }

void PlayerService::sendStatus(const char *before, Clock::time_point now)
{
    if (!active())
        return;
    std::string message = before + ("STATUS=" + m_status);
    // A line break would end the field; a show's path may hold one.
    for (std::size_t i = std::string(before).size(); i < message.size(); ++i) {
        if (message[i] == '\n')
            message[i] = ' ';
    }
    m_socket.send(message);
    m_sent = m_status;
    m_sentAt = now;
}

} // namespace korvanel
