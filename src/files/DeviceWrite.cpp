// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/DeviceWrite.h"

#include "files/DiskRoom.h"
#include "files/SaveReasons.h"
#include "files/WriteSteps.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using SaveReasons::Refuser;
using SmallFile::WriteResult;
using SmallFile::WriteStep;
using WriteSteps::injectedFailure;

WriteResult refused(int error)
{
    return {false, SaveReasons::fromError(error != 0 ? error : EIO, Refuser::File)};
}

// A descriptor the program was given may be non-blocking: a full pipe then waits for its
// reader, as a blocking one would.
bool writeAll(int descriptor, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EAGAIN) {
            pollfd writable{descriptor, POLLOUT, 0};
            if (::poll(&writable, 1, -1) < 0 && errno != EINTR)
                return false;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Pipes and character devices have nothing to sync and say so; that is no failure.
bool syncDevice(int descriptor)
{
    return ::fsync(descriptor) == 0 || errno == EINVAL || errno == EROFS;
}

// errno is kept from the step that failed.
bool writeAndSync(int descriptor, const QByteArray &bytes)
{
    return !injectedFailure(WriteStep::Write) && writeAll(descriptor, bytes) &&
           !injectedFailure(WriteStep::Sync) && syncDevice(descriptor);
}

// Where the next byte written to the descriptor goes.
qint64 writePosition(int descriptor, const struct stat &file)
{
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags != -1 && (flags & O_APPEND))
        return file.st_size;
    return std::max<qint64>(0, ::lseek(descriptor, 0, SEEK_CUR));
}

} // namespace

namespace DeviceWrite {

WriteResult intoPath(const QString &path, const QByteArray &bytes)
{
    // Opening without waiting refuses a pipe that nobody reads instead of hanging on it;
    // once open, the bytes go out at the reader's pace.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        struct stat node;
        const bool pipe =
            ::stat(QFile::encodeName(path).constData(), &node) == 0 && S_ISFIFO(node.st_mode);
        return error == ENXIO && pipe ? WriteResult{false, SaveReasons::pipeWithoutReader()}
                                      : refused(error);
    }
    struct stat node;
    const int flags = ::fcntl(descriptor, F_GETFL);
    // Whatever was put in the device's place since it was looked at is not written into.
    bool written =
        ::fstat(descriptor, &node) == 0 && (S_ISCHR(node.st_mode) || S_ISFIFO(node.st_mode));
    if (!written) {
        ::close(descriptor);
        return {false, SaveReasons::notAFile()};
    }
    errno = 0;
    written = flags != -1 && ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0 &&
              writeAndSync(descriptor, bytes);
    int error = errno;
    if (::close(descriptor) != 0 && written) {
        written = false;
        error = errno;
    }
    return written ? WriteResult{true, QString()} : refused(error);
}

WriteResult intoDescriptor(int descriptor, const QByteArray &bytes)
{
    struct stat file;
    if (::fstat(descriptor, &file) != 0)
        return {false, SaveReasons::closedDescriptor(descriptor)};
    if (S_ISBLK(file.st_mode))
        return {false, SaveReasons::disk()};
    if (S_ISDIR(file.st_mode))
        return {false, SaveReasons::folder()};
    if (S_ISREG(file.st_mode) &&
        !DiskRoom::hasRoomFor(descriptor, file, writePosition(descriptor, file) + bytes.size()))
        return refused(ENOSPC);
    errno = 0;
    return writeAndSync(descriptor, bytes) ? WriteResult{true, QString()} : refused(errno);
}

} // namespace DeviceWrite
