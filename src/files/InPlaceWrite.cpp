// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/InPlaceWrite.h"

#include "files/DiskRoom.h"
#include "files/SaveReasons.h"
#include "files/WriteSteps.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using SmallFile::WriteResult;
using SmallFile::WriteStep;
using WriteSteps::injectedFailure;

WriteResult refused(int error)
{
    return {false, SaveReasons::fromError(error != 0 ? error : EIO, SaveReasons::Refuser::File)};
}

bool writeAllAt(int descriptor, const QByteArray &bytes, off_t offset)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(descriptor, bytes.constData() + done,
                                   size_t(bytes.size() - done), offset + off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

std::optional<QByteArray> readAllAt(int descriptor, qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(descriptor, bytes.data() + done, size_t(size - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        done += n;
    }
    return bytes;
}

// The new bytes, then the new length, each made sure on the disk. A disk that refuses
// the bytes may have taken some: the step is judged once it has run.
bool rewrite(int descriptor, const QByteArray &bytes)
{
    return writeAllAt(descriptor, bytes, 0) && !injectedFailure(WriteStep::Write) &&
           !injectedFailure(WriteStep::Sync) && ::fsync(descriptor) == 0 &&
           ::ftruncate(descriptor, off_t(bytes.size())) == 0 && ::fsync(descriptor) == 0;
}

// Puts back what the failed rewrite covered; the file is then as it was.
void restore(int descriptor, const QByteArray &covered, off_t size)
{
    if (writeAllAt(descriptor, covered, 0) && ::ftruncate(descriptor, size) == 0)
        (void)::fsync(descriptor);
}

} // namespace

namespace InPlaceWrite {

WriteResult write(const QString &path, const QByteArray &bytes)
{
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        return refused(errno);
    struct stat file;
    if (::fstat(descriptor, &file) != 0 || !S_ISREG(file.st_mode)) {
        ::close(descriptor);
        return {false, SaveReasons::notAFile()};
    }
    if (!DiskRoom::hasRoomFor(descriptor, file, bytes.size())) {
        ::close(descriptor);
        return refused(ENOSPC);
    }
    const std::optional<QByteArray> covered =
        readAllAt(descriptor, std::min<qint64>(file.st_size, bytes.size()));
    if (!covered) {
        const int error = errno;
        ::close(descriptor);
        return refused(error);
    }
    errno = 0;
    const bool written = rewrite(descriptor, bytes);
    const int error = errno;
    if (!written)
        restore(descriptor, *covered, file.st_size);
    ::close(descriptor);
    return written ? WriteResult{true, QString()} : refused(error);
}

} // namespace InPlaceWrite
