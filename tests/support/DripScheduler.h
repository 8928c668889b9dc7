// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>
#include <condition_variable>
#include <mutex>
#include <thread>

// A print scheduler that answers without end, as a broken or hostile one may: a status line,
// then header lines one byte at a time, for ever, on every connection. Made before anything
// calls libcups, it points this process's CUPS clients, and the programs it starts, at itself.
class DripScheduler
{
public:
    DripScheduler();
    ~DripScheduler();
    DripScheduler(const DripScheduler &) = delete;
    DripScheduler &operator=(const DripScheduler &) = delete;

    bool isListening() const { return m_listener >= 0; }
    QString socketPath() const { return m_dir.filePath(QStringLiteral("drip.sock")); }

    // Clients that have taken the status line and a header line after it, and so wait on the
    // rest of the headers, so far; and a wait until there are that many, false when there
    // were not within the time given.
    int clientsInHeaders();
    [[nodiscard]] bool waitForClientsInHeaders(int count, int timeoutMs);
    // How many clients have hung up so far.
    int clientsGone();

private:
    void serve();

    QTemporaryDir m_dir;
    int m_listener = -1;
    int m_stopPipe[2] = {-1, -1};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_clientsInHeaders = 0;
    int m_clientsGone = 0;
    std::thread m_thread;
};
