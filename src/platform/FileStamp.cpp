// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

bool KnownFile::changedOnDisk(const QString &target) const
{
    const std::optional<FileStamp> now = FileStamp::of(target);
    if (!stamp || !now)
        return false;
    const bool sameFile = target == path || now->isSameFile(*stamp);
    return sameFile && *now != *stamp;
}

std::optional<FileStamp> FileStamp::of(const QString &path)
{
    struct stat status = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    constexpr qint64 NsPerSecond = 1000000000;
    return FileStamp{quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
                     qint64(status.st_mtim.tv_sec) * NsPerSecond + status.st_mtim.tv_nsec};
}
