// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Things in a folder that are not regular files, made inside the test's own temporary
// folder so that the machine's /dev/null and /dev/full are never at stake.
enum class SpecialFile
{
    NullDevice, // takes every byte
    FullDevice, // refuses every byte: the disk is full
    Fifo,
    BlockDevice // a disk no driver answers for, so that nothing could ever reach a real one
};

// False when it cannot be made or written here (device nodes need root and a folder not
// mounted nodev; the block device need only be made); the test then skips.
[[nodiscard]] bool makeSpecialFile(SpecialFile kind, const QString &path);

// True while path is still that kind of thing rather than a regular file.
bool isSpecialFile(SpecialFile kind, const QString &path);

// The kernel's log, when this process may open it: a regular file that says it is empty and
// whose reads wait for the next message (and take it from the system's log). Empty when it
// cannot be opened here (it needs root); the test then skips.
QString openableKernelLog();

// A pipe's read end, opened before anything writes into it so that the writer never waits
// for a reader; its buffer is made large enough for what the test writes, and read once
// the writer is done.
class FifoReader
{
public:
    explicit FifoReader(const QString &path);
    ~FifoReader();
    FifoReader(const FifoReader &) = delete;
    FifoReader &operator=(const FifoReader &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    QByteArray readAvailable();

private:
    int m_fd = -1;
};
