#pragma once
// Permission bits do not bind root, and the tests run as root in CI. While one
// of these lives, the calling thread acts on files as an ordinary user (its
// file-system ids only, which also drops root's file capabilities), so a folder
// made read-only with chmod is read-only to the code under test as well.

#include <sys/fsuid.h>
#include <unistd.h>

class AsOrdinaryUser {
public:
    static constexpr unsigned Nobody = 65534;

    AsOrdinaryUser()
    {
        if (::geteuid() != 0)
            return;
        ::setfsgid(Nobody);
        ::setfsuid(Nobody);
        m_switched = true;
        m_ok = static_cast<unsigned>(::setfsuid(static_cast<uid_t>(-1))) == Nobody;
    }
    ~AsOrdinaryUser()
    {
        if (m_switched) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;

    // False when root could not give up its file access (no CAP_SETUID).
    bool ok() const { return ::geteuid() != 0 || m_ok; }

private:
    bool m_switched = false;
    bool m_ok = false;
};
