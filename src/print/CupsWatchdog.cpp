// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CupsWatchdog.h"

#include <QCoreApplication>
#include <chrono>
#include <cstring>
#include <set>

namespace {

// Once fired, how soon a socket that libcups opened again on the connection is shut in turn.
constexpr std::chrono::milliseconds RecheckInterval(50);

// The watchdogs alive, which quitting fires.
struct Registry
{
    std::mutex mutex;
    std::set<CupsWatchdog *> live;
    bool quitting = false;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

// Registered as every application object starts, so that quitting reaches the connections a
// pool thread has yet to open too.
void fireWatchdogsAtQuit()
{
    qAddPostRoutine(CupsWatchdog::quit);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(fireWatchdogsAtQuit)

CupsWatchdog::CupsWatchdog(http_t *http, QDeadlineTimer deadline)
    : m_http(http), m_deadline(deadline)
{
    m_peerLength = sizeof m_peer;
    if (::getpeername(httpGetFd(http), reinterpret_cast<sockaddr *>(&m_peer), &m_peerLength) != 0)
        m_peerLength = 0;
    {
        Registry &watchdogs = registry();
        const std::lock_guard<std::mutex> lock(watchdogs.mutex);
        watchdogs.live.insert(this);
        m_quitting = watchdogs.quitting;
    }
    m_thread = std::thread(&CupsWatchdog::watch, this);
}

CupsWatchdog::~CupsWatchdog()
{
    {
        Registry &watchdogs = registry();
        const std::lock_guard<std::mutex> lock(watchdogs.mutex);
        watchdogs.live.erase(this);
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_closing = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

bool CupsWatchdog::quitting()
{
    Registry &watchdogs = registry();
    const std::lock_guard<std::mutex> lock(watchdogs.mutex);
    return watchdogs.quitting;
}

void CupsWatchdog::quit()
{
    Registry &watchdogs = registry();
    const std::lock_guard<std::mutex> lock(watchdogs.mutex);
    watchdogs.quitting = true;
    for (CupsWatchdog *watchdog : watchdogs.live) {
        {
            const std::lock_guard<std::mutex> watchdogLock(watchdog->m_mutex);
            watchdog->m_quitting = true;
        }
        watchdog->m_wake.notify_all();
    }
}

void CupsWatchdog::watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto stopWaiting = [this] { return m_closing || m_quitting; };
    if (m_deadline.isForever())
        m_wake.wait(lock, stopWaiting);
    else
        m_wake.wait_until(lock, m_deadline.deadline<std::chrono::steady_clock>(), stopWaiting);
    if (m_closing)
        return;
    m_fired = true;
    while (!m_closing) {
        shutDownSocket();
        m_wake.wait_for(lock, RecheckInterval, [this] { return m_closing; });
    }
}

void CupsWatchdog::shutDownSocket()
{
    // The descriptor is read while the calling thread may be replacing it; only a socket that
    // still leads to the scheduler is touched.
    const int fd = httpGetFd(m_http);
    if (fd >= 0 && isOwnSocket(fd))
        ::shutdown(fd, SHUT_RDWR);
}

bool CupsWatchdog::isOwnSocket(int fd) const
{
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    return m_peerLength > 0 &&
           ::getpeername(fd, reinterpret_cast<sockaddr *>(&peer), &length) == 0 &&
           length == m_peerLength && std::memcmp(&peer, &m_peer, length) == 0;
}
