#include "JackServer.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <jack/jack.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace korvanel::test {

namespace {

void quiet(const char *) {}

bool answers()
{
    jack_status_t status{};
    jack_client_t *client = jack_client_open("probe", JackNoStartServer, &status);
    if (client == nullptr)
        return false;
    jack_client_close(client);
    return true;
}

std::string tail(const std::string &file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    std::string all = text.str();
    return all.size() > 600 ? all.substr(all.size() - 600) : all;
}

} // namespace

JackServer::JackServer() : m_name("korvanel-test-" + std::to_string(::getpid())), m_log("/tmp/" + m_name + ".log")
{
    // Every JACK client of this process, the program's and the test's, goes to this server and starts none.
    ::setenv("JACK_DEFAULT_SERVER", m_name.c_str(), 1);
    ::setenv("JACK_NO_START_SERVER", "1", 1);
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    if (!start(true)) {
        const std::string realtime = m_why;
        if (!start(false))
            m_why = "with real-time scheduling: " + realtime + "; without: " + m_why;
    }
}

bool JackServer::start(bool realtime)
{
    m_why.clear();
    const char *jackd = "/usr/bin/jackd";
    if (::access(jackd, X_OK) != 0) {
        m_why = "jackd is not installed (Debian: jackd2)";
        return false;
    }
    std::vector<std::string> args{jackd, "--name", m_name, realtime ? "--realtime" : "--no-realtime"};
    for (const char *a : {"-d", "dummy", "--rate", "48000", "--period", "128"})
        args.emplace_back(a);
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int log = ::open(m_log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const pid_t parent = ::getpid();
    m_pid = ::fork();
    if (m_pid == 0) {
        // Dies with the test, however the test ends.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        if (log >= 0) {
            ::dup2(log, 1);
            ::dup2(log, 2);
        }
        ::execv(jackd, argv.data());
        ::_exit(127);
    }
    if (log >= 0)
        ::close(log);
    if (m_pid < 0) {
        m_why = "fork failed";
        return false;
    }
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < limit) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            m_why = "jackd ended at once: " + tail(m_log);
            return false;
        }
        if (answers())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    m_why = "jackd did not answer within 10 s: " + tail(m_log);
    stop();
    return false;
}

JackServer::~JackServer() { stop(); }

void JackServer::stop()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    int status = 0;
    while (::waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > limit) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    m_pid = -1;
    ::unlink(m_log.c_str());
}

} // namespace korvanel::test
