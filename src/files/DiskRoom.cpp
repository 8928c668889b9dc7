// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/DiskRoom.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

namespace DiskRoom {

bool hasRoomFor(int descriptor, const struct stat &file, qint64 end)
{
    struct statvfs disk;
    // A disk that says nothing of its room is trusted; a refusal is still caught.
    if (::fstatvfs(descriptor, &disk) != 0)
        return true;
    const qint64 unit = qint64(disk.f_frsize ? disk.f_frsize : disk.f_bsize);
    const qint64 needed = (end + unit - 1) / unit * unit - qint64(file.st_blocks) * 512;
    return needed <= 0 || qint64(disk.f_bavail) * unit >= needed;
}

} // namespace DiskRoom
