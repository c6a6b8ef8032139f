#pragma once
// A program under test in a child process: its own environment, standard
// error (and, when asked, standard output) into files the test reads, signals,
// and a wait that never outlasts its bound. A child still running when the
// object goes is killed.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

class ChildProcess {
public:
    // `environment` is added to this process's own, "NAME=value" each; it comes first, so it wins.
    ChildProcess(const std::vector<std::string> &argv, const std::vector<std::string> &environment,
                 const std::string &stderrFile, const std::string &stdoutFile = {})
        : m_stderrFile(stderrFile), m_stdoutFile(stdoutFile)
    {
        std::vector<std::string> env = environment;
        for (char **e = environ; *e != nullptr; ++e)
            env.emplace_back(*e);
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        std::vector<char *> envp;
        for (const std::string &e : env)
            envp.push_back(const_cast<char *>(e.c_str()));
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, stdoutFile.empty() ? "/dev/null" : stdoutFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        // The child starts with no signal blocked, whatever this process blocks.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
        if (posix_spawn(&m_pid, args[0], &actions, &attributes, args.data(), envp.data()) != 0)
            m_pid = -1;
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ChildProcess()
    {
        if (running()) {
            kill(m_pid, SIGKILL);
            waitFor(std::chrono::seconds(5));
        }
    }
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    bool started() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    bool running() const { return m_pid > 0 && !m_exited; }
    void signal(int sig) const
    {
        if (running())
            kill(m_pid, sig);
    }

    // The exit code, or -1 when it is still running after `limit` (or died of a signal: 128 + signal).
    int waitFor(std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (running()) {
            int status = 0;
            const pid_t done = waitpid(m_pid, &status, WNOHANG);
            if (done == m_pid) {
                m_exited = true;
                m_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                break;
            }
            if (std::chrono::steady_clock::now() >= end)
                return -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return m_exited ? m_code : -1;
    }

    std::string errorOutput() const { return contents(m_stderrFile); }
    std::string standardOutput() const { return m_stdoutFile.empty() ? std::string() : contents(m_stdoutFile); }

    // Waits until `predicate` holds, at most `limit`; false on timeout.
    template <typename Predicate>
    static bool waitUntil(Predicate predicate, std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!predicate()) {
            if (std::chrono::steady_clock::now() >= end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

private:
    static std::string contents(const std::string &file)
    {
        std::ifstream in(file);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    pid_t m_pid = -1;
    bool m_exited = false;
    int m_code = -1;
    std::string m_stderrFile;
    std::string m_stdoutFile;
};
