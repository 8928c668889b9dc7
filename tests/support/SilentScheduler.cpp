// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SilentScheduler.h"

#include <QFile>
#include <cstring>
#include <cups/cups.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

SilentScheduler::SilentScheduler() : m_dir(u"/tmp/korvalin-silent-XXXXXX"_s)
{
    const QByteArray path = QFile::encodeName(socketPath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (!m_dir.isValid() || size_t(path.size()) >= sizeof address.sun_path)
        return;
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    m_socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    // Connections wait in the backlog, accepted by the kernel and never read.
    if (m_socket < 0 ||
        ::bind(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(m_socket, 64) != 0) {
        if (m_socket >= 0)
            ::close(m_socket);
        m_socket = -1;
        return;
    }
    qputenv("CUPS_SERVER", path);
    qputenv("CUPS_SERVERROOT", QFile::encodeName(m_dir.path()));
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    qputenv("DBUS_SYSTEM_BUS_ADDRESS",
            "unix:path=" + QFile::encodeName(m_dir.filePath(u"no-bus"_s)));
    cupsSetServer(nullptr);
}

SilentScheduler::~SilentScheduler()
{
    if (m_socket >= 0)
        ::close(m_socket);
}
