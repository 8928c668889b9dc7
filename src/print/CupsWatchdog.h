// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDeadlineTimer>
#include <atomic>
#include <condition_variable>
#include <cups/cups.h>
#include <mutex>
#include <sys/socket.h>
#include <thread>

// Ends every call on a connection at its deadline, whatever the scheduler sends. libcups looks
// at the time only while no byte comes: a scheduler that answers a byte at a time, header line
// after header line, holds a call for ever. At the deadline the watchdog shuts the connection's
// socket down from a thread of its own, so that the call's next read finds the end of the
// stream and fails; it keeps shutting the sockets libcups opens again on that connection until
// the connection is closed.
//
// When the program quits, every watchdog fires at once and no connection opens any more, so
// that a pool thread stuck in a call ends in a moment instead of holding the exit until its
// deadline (Qt waits for the pool's threads when the application object goes).
class CupsWatchdog
{
public:
    // http must be connected; it must outlive the watchdog.
    CupsWatchdog(http_t *http, QDeadlineTimer deadline);
    ~CupsWatchdog();
    CupsWatchdog(const CupsWatchdog &) = delete;
    CupsWatchdog &operator=(const CupsWatchdog &) = delete;

    // Whether the deadline came, or the program quit, before the connection was closed.
    bool fired() const { return m_fired; }

    // Whether the program is quitting: no connection is worth opening then.
    static bool quitting();
    // Fires every watchdog, now and from now on; Qt calls it as the application object goes,
    // before it waits for the pool's threads.
    static void quit();

private:
    void watch();
    void shutDownSocket();
    bool isOwnSocket(int fd) const;

    http_t *m_http;
    QDeadlineTimer m_deadline;
    // Where the connection's socket leads, so that a descriptor number libcups has closed and
    // the process reused for something else is never shut down.
    sockaddr_storage m_peer{};
    socklen_t m_peerLength = 0;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_closing = false;
    bool m_quitting = false;
    std::atomic<bool> m_fired{false};
    std::thread m_thread;
};
