// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/SmallFile.h"

#include <QFile>
#include <QScopeGuard>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SmallFile {

std::optional<QByteArray> read(const QString &path)
{
    return readRegular(path, MaxSize);
}

std::optional<QByteArray> readRegular(const QString &path, qint64 maxSize)
{
    // Opening without waiting: a pipe with no writer or a device would otherwise hold the
    // open itself. What was opened, not what the name said a moment before, is then checked.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxSize)
        return std::nullopt;
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0) // the file shrank meanwhile: what it now holds
            break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

} // namespace SmallFile
