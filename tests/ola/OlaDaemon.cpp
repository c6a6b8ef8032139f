#include "OlaDaemon.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include <ola/Callback.h>
#include <ola/DmxBuffer.h>

#include "OlaConnection.h"
#include "PrivateNetwork.h"

namespace olatest {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char *NetworkPlugins[] = {
    "artnet",  "dmx4linux", "e131",    "espnet",           "ftdidmx", "gpio",     "karate",
    "kinet",   "milinst",   "opendmx", "openpixelcontrol", "osc",     "pathport", "renard",
    "sandnet", "shownet",   "spi",     "stageprofi",       "uartdmx", "usbdmx",   "usbserial"};

void writeFile(const fs::path &path, const std::string &text) { std::ofstream(path) << text; }

// One question to the daemon on a connection of its own, never starting one.
class Question {
public:
    bool connect() { return m_connection.connect(); }
    bool await(std::chrono::milliseconds limit)
    {
        const auto end = Clock::now() + limit;
        while (!done && Clock::now() < end)
            m_connection.select().RunOnce(ola::TimeInterval(0, 10'000));
        return done;
    }
    ola::client::OlaClient &client() { return m_connection.client(); }

    void dmxArrived(const ola::client::Result &result, const ola::client::DMXMetadata &, const ola::DmxBuffer &data)
    {
        done = true;
        if (!result.Success())
            return;
        Slots out{};
        unsigned int length = static_cast<unsigned int>(out.size());
        data.Get(out.data(), &length);
        slots = out;
    }
    void devicesArrived(const ola::client::Result &result, const std::vector<ola::client::OlaDevice> &list)
    {
        done = true;
        if (!result.Success())
            return;
        std::vector<std::string> sorted;
        for (const ola::client::OlaDevice &device : list)
            sorted.push_back(device.Name());
        std::sort(sorted.begin(), sorted.end());
        std::string text;
        for (const std::string &name : sorted)
            text += name + "\n";
        names = text;
    }

    std::optional<Slots> slots;
    std::optional<std::string> names;
    bool done = false;

private:
    OlaConnection m_connection;
};

} // namespace

OlaDaemon::OlaDaemon(Options options)
{
    char pattern[] = "/tmp/korvanel-olad-XXXXXX";
    if (mkdtemp(pattern) != nullptr) {
        m_folder = pattern;
        writeConfig(options);
    }
}

OlaDaemon::~OlaDaemon()
{
    kill();
    std::error_code ec;
    if (!m_folder.empty())
        fs::remove_all(m_folder, ec);
}

void OlaDaemon::writeConfig(const Options &options)
{
    const fs::path dir(m_folder);
    for (const char *plugin : NetworkPlugins)
        writeFile(dir / (std::string("ola-") + plugin + ".conf"), "enabled = false\n");
    writeFile(dir / "ola-dummy.conf", "enabled = true\n");
    std::string patches;
    if (options.patchDummy)
        patches += "1-1-O-0 = 1\n";
    if (options.artNet) {
        writeFile(dir / "ola-artnet.conf",
                  "enabled = true\nip = 127.0.0.1\nuse_loopback = true\n"
                  "always_broadcast = true\nuse_limited_broadcast = false\n");
        patches += "2-1-O-0 = 1\n";
    }
    if (options.sacn) {
        writeFile(dir / "ola-e131.conf", std::string("enabled = true\nip = ") + SacnAddress + "\n");
        patches += "11-1-O-0 = 1\n";
    }
    m_bridged = options.sacn;
    writeFile(dir / "ola-port.conf", patches);
    m_expectedDevices = std::string(options.artNet ? "ArtNet [127.0.0.1]\n" : "") + "Dummy Device\n" +
        (options.sacn ? std::string("E1.31 (DMX over ACN) [") + SacnAddress + "]\n" : "");
    if (const passwd *olad = getpwnam("olad")) {
        for (const auto &entry : fs::recursive_directory_iterator(dir))
            (void)chown(entry.path().c_str(), olad->pw_uid, olad->pw_gid);
        (void)chown(dir.c_str(), olad->pw_uid, olad->pw_gid);
    }
}

std::string OlaDaemon::start(std::chrono::milliseconds limit)
{
    if (m_folder.empty())
        return "no config folder";
    // Network plugins are allowed only where nothing can leave.
    if (!onlyLoopback() && !(m_bridged && onlyLoopbackAndSacnBridge()))
        return "refused: this network namespace holds more than loopback";
    const std::string log = m_folder + "/olad.log";
    const pid_t pid = fork();
    if (pid < 0)
        return "fork failed";
    if (pid == 0) {
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (out >= 0) {
            dup2(out, 1);
            dup2(out, 2);
        }
        // The daemon dies with the test, whatever way the test ends.
        execlp("setpriv", "setpriv", "--reuid=olad", "--regid=olad", "--clear-groups", "--pdeathsig", "SIGKILL", "olad",
               "--config-dir", m_folder.c_str(), "--no-http", "--no-register-with-dns-sd", "-l", "3", nullptr);
        _exit(127);
    }
    m_pid = pid;
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return "olad ended at start:\n" + logTail();
        }
        // Plugins load after the port opens: ready once its devices are there,
        // and only those asked for: anything else means it missed its settings.
        if (const auto names = devices(std::chrono::milliseconds(200)); names && !names->empty()) {
            if (*names == m_expectedDevices)
                return {};
            kill();
            return "olad loaded other devices than asked for:\n" + *names + logTail();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill();
    return "olad not ready in time:\n" + logTail();
}

void OlaDaemon::kill()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGKILL);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    m_paused = false;
}

void OlaDaemon::pause()
{
    if (m_pid > 0 && ::kill(m_pid, SIGSTOP) == 0)
        m_paused = true;
}

void OlaDaemon::resume()
{
    if (m_pid > 0 && ::kill(m_pid, SIGCONT) == 0)
        m_paused = false;
}

std::optional<Slots> OlaDaemon::fetch(unsigned universe, std::chrono::milliseconds limit)
{
    Question question;
    if (!question.connect())
        return std::nullopt;
    question.client().FetchDMX(universe, ola::NewSingleCallback(&question, &Question::dmxArrived));
    question.await(limit);
    return question.slots;
}

std::optional<std::string> OlaDaemon::devices(std::chrono::milliseconds limit)
{
    Question question;
    if (!question.connect())
        return std::nullopt;
    question.client().FetchDeviceInfo(ola::OLA_PLUGIN_ALL,
                                      ola::NewSingleCallback(&question, &Question::devicesArrived));
    question.await(limit);
    return question.names;
}

std::string OlaDaemon::logTail() const
{
    std::ifstream in(m_folder + "/olad.log");
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    return all.size() > 2000 ? all.substr(all.size() - 2000) : all;
}

} // namespace olatest
