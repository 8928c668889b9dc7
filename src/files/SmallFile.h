// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Whole-file reads and writes for the program's small files (labels, settings, PDF pages).
namespace SmallFile {

// Larger files are refused unread: no label or settings file comes near this.
inline constexpr qint64 MaxSize = 1024 * 1024;

// The file's bytes, or nothing when it is missing, unreadable, not a regular file or
// larger than MaxSize.
std::optional<QByteArray> read(const QString &path);

// The same for files of at most maxSize bytes. Whatever path names, this returns: a pipe or a
// device is refused without waiting for it, and no more is read than the file says it holds,
// so a kernel file that says it is empty (/proc/kmsg, whose reads wait for the next message)
// reads as empty.
std::optional<QByteArray> readRegular(const QString &path, qint64 maxSize);

// What write does when path names something that is not a regular file: a device, a
// pipe or a socket.
enum class OtherTarget
{
    Refuse,   // a document must never replace /dev/null or a pipe with a file
    WriteInto // an output such as /dev/stdout takes the bytes as they are
};

struct WriteResult
{
    bool written = false;
    QString reason; // why nothing was written, in words for the user; empty once written

    explicit operator bool() const { return written; }
};

// Writes a temporary file beside path, checks every write, the flush and the sync to the
// disk, and only then renames it over path, so a failed save (a full disk included)
// leaves the previous file byte for byte and no temporary file behind. The replacement
// keeps the owner, group and mode of the file it replaces; a file the user may not write
// is refused. A file that cannot be replaced so (hard-linked, owned by someone else, in a
// folder that takes no new file) is rewritten in place once the disk is known to have
// room, and put back as it was if the disk refuses the bytes. A symbolic link stays a
// link: the file it names is the one written, created if missing. With WriteInto,
// /dev/stdout, /dev/fd/N and their like take the bytes through the program's own
// descriptor, appending where it was opened to append; disks (block devices) and
// folders are never written.
WriteResult write(const QString &path, const QByteArray &bytes,
                  OtherTarget other = OtherTarget::Refuse);

// Whether a file name (without its folder) is one of the temporary files a save writes
// beside its target: lists of files a user reads should leave them out.
bool isTemporaryFileName(const QString &fileName);

// The steps of a write a disk can refuse.
enum class WriteStep
{
    Write,
    Flush,
    Sync
};

// Makes that step of every write fail, as a failing disk would, while the guard lives
// (tests only: the step's real error paths run, nothing else is faked).
class ScopedWriteFailure
{
public:
    explicit ScopedWriteFailure(WriteStep step);
    ~ScopedWriteFailure();
    ScopedWriteFailure(const ScopedWriteFailure &) = delete;
    ScopedWriteFailure &operator=(const ScopedWriteFailure &) = delete;

private:
    int m_previous;
};

} // namespace SmallFile
