// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What a name given to a save stands for, its symbolic links followed one by one as the
// kernel would, but stopping at the program's own descriptors: /dev/stdout and /dev/fd/1
// lead to /proc/PID/fd/1, a link the kernel makes to whatever the descriptor holds, and
// following it would name the file behind the descriptor instead of the descriptor.
struct SaveTarget
{
    enum class Kind
    {
        NewFile, // nothing there yet; a dangling link ends here too
        RegularFile,
        Folder,
        Disk,   // a block device
        Device, // a character device
        Pipe,
        Socket,
        Descriptor, // one of the program's own open descriptors
        Unreachable // a folder on the way is missing or closed, or links loop
    };

    Kind kind = Kind::Unreachable;
    QString path;        // with no symbolic link left in it
    int descriptor = -1; // for Descriptor
    int error = 0;       // for Unreachable: what the system said

    static SaveTarget of(const QString &name);
};
