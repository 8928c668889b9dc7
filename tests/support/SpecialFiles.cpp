// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpecialFiles.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

// Opens the node for writing as a save would: a folder mounted nodev refuses it.
bool deviceUsable(const QString &path)
{
    const int fd = ::open(nativePath(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

bool makeSpecialFile(SpecialFile kind, const QString &path)
{
    switch (kind) {
    case SpecialFile::Fifo:
        return ::mkfifo(nativePath(path).constData(), 0600) == 0;
    case SpecialFile::BlockDevice:
        // Major 240 is set aside for local use: no driver of this machine stands behind it.
        return ::mknod(nativePath(path).constData(), S_IFBLK | 0600, makedev(240, 0)) == 0;
    case SpecialFile::NullDevice:
    case SpecialFile::FullDevice: {
        const unsigned minor = kind == SpecialFile::NullDevice ? 3 : 7;
        return ::mknod(nativePath(path).constData(), S_IFCHR | 0600, makedev(1, minor)) == 0 &&
               deviceUsable(path);
    }
    }
    return false;
}

bool isSpecialFile(SpecialFile kind, const QString &path)
{
    struct stat info;
    if (::lstat(nativePath(path).constData(), &info) != 0)
        return false;
    switch (kind) {
    case SpecialFile::Fifo:
        return S_ISFIFO(info.st_mode);
    case SpecialFile::BlockDevice:
        return S_ISBLK(info.st_mode) && info.st_rdev == makedev(240, 0);
    case SpecialFile::NullDevice:
        return S_ISCHR(info.st_mode) && info.st_rdev == makedev(1, 3);
    case SpecialFile::FullDevice:
        return S_ISCHR(info.st_mode) && info.st_rdev == makedev(1, 7);
    }
    return false;
}

FifoReader::FifoReader(const QString &path)
    : m_fd(::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC))
{
    // One mebibyte holds any page the tests write, so the writer never blocks on us.
    if (m_fd >= 0)
        ::fcntl(m_fd, F_SETPIPE_SZ, 1024 * 1024);
}

FifoReader::~FifoReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray FifoReader::readAvailable()
{
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return bytes;
        bytes.append(buffer, n);
    }
}

QString openableKernelLog()
{
    // Opening reads nothing: only a read would wait or take a message.
    const int fd = ::open("/proc/kmsg", O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString();
    ::close(fd);
    return QStringLiteral("/proc/kmsg");
}
