// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <cups/cups.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The address of the Unix socket at path; false when the path is too long for one.
inline bool unixAddress(const QByteArray &path, sockaddr_un &address)
{
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path)
        return false;
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

// A listening socket at socketPath, in dir, that this process's CUPS clients, and the programs
// it starts, take for their scheduler; -1 when it cannot be made. Connections wait in the
// backlog, accepted by the kernel, until the caller reads them.
inline int listenAsCupsScheduler(const QTemporaryDir &dir, const QString &socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (!dir.isValid() || !unixAddress(path, address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(fd, 64) != 0) {
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    qputenv("CUPS_SERVER", path);
    qputenv("CUPS_SERVERROOT", QFile::encodeName(dir.path()));
    qputenv("HOME", QFile::encodeName(dir.path()));
    qputenv("DBUS_SYSTEM_BUS_ADDRESS",
            "unix:path=" + QFile::encodeName(dir.filePath(QStringLiteral("no-bus"))));
    cupsSetServer(nullptr);
    return fd;
}
