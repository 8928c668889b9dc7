// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DripScheduler.h"

#include "SchedulerSocket.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QByteArray StatusLine = "HTTP/1.1 200 OK\r\n";
const QByteArray HeaderLine = "X-Drip: 1\r\n";
// Faster than libcups comes back to look at the time while it waits for bytes.
constexpr std::chrono::milliseconds DripInterval(100);

struct Client
{
    int fd;
    qsizetype sent = 0;
};

// The byte of the endless answer at this position.
char answerByte(qsizetype position)
{
    if (position < StatusLine.size())
        return StatusLine.at(position);
    return HeaderLine.at((position - StatusLine.size()) % HeaderLine.size());
}

} // namespace

DripScheduler::DripScheduler() : m_dir(u"/tmp/korvalin-drip-XXXXXX"_s)
{
    if (::pipe2(m_stopPipe, O_CLOEXEC) != 0)
        return;
    m_listener = listenAsCupsScheduler(m_dir, socketPath());
    if (m_listener >= 0)
        m_thread = std::thread(&DripScheduler::serve, this);
}

DripScheduler::~DripScheduler()
{
    if (m_thread.joinable()) {
        const char stop = 0;
        // The pipe is empty and ours: the byte gets through, and the server ends.
        if (::write(m_stopPipe[1], &stop, 1) != 1)
            qFatal("The drip scheduler could not be told to stop");
        m_thread.join();
    }
    for (int fd : {m_listener, m_stopPipe[0], m_stopPipe[1]}) {
        if (fd >= 0)
            ::close(fd);
    }
}

int DripScheduler::clientsInHeaders()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_clientsInHeaders;
}

bool DripScheduler::waitForClientsInHeaders(int count, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_clientsInHeaders >= count; });
}

int DripScheduler::clientsGone()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_clientsGone;
}

void DripScheduler::serve()
{
    std::vector<Client> clients;
    auto nextDrip = std::chrono::steady_clock::now();
    for (;;) {
        std::vector<pollfd> watched{{m_stopPipe[0], POLLIN, 0}, {m_listener, POLLIN, 0}};
        for (const Client &client : clients)
            watched.push_back({client.fd, POLLIN, 0});
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
            nextDrip - std::chrono::steady_clock::now());
        ::poll(watched.data(), watched.size(), int(qMax<qint64>(0, wait.count())));
        if (watched[0].revents)
            break;
        if (watched[1].revents & POLLIN) {
            const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0)
                clients.push_back({fd});
        }
        // What clients send is read and dropped; a client that hung up is let go.
        for (size_t i = 2; i < watched.size(); ++i) {
            if (!(watched[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char discarded[4096];
            if (::recv(watched[i].fd, discarded, sizeof discarded, MSG_DONTWAIT) > 0)
                continue;
            ::close(watched[i].fd);
            clients.erase(std::find_if(clients.begin(), clients.end(),
                                       [&](const Client &c) { return c.fd == watched[i].fd; }));
            const std::lock_guard<std::mutex> lock(m_mutex);
            ++m_clientsGone;
            m_changed.notify_all();
        }
        if (std::chrono::steady_clock::now() < nextDrip)
            continue;
        nextDrip += DripInterval;
        for (Client &client : clients) {
            const char byte = answerByte(client.sent);
            if (::send(client.fd, &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT) != 1)
                continue;
            if (++client.sent == StatusLine.size() + HeaderLine.size() + 1) {
                const std::lock_guard<std::mutex> lock(m_mutex);
                ++m_clientsInHeaders;
                m_changed.notify_all();
            }
        }
    }
    for (const Client &client : clients)
        ::close(client.fd);
}
