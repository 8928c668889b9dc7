// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/FileReplacement.h"

#include "files/SaveReasons.h"
#include "files/SaveTemporaries.h"
#include "files/WriteSteps.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using SmallFile::WriteResult;
using SmallFile::WriteStep;
using WriteSteps::injectedFailure;

WriteResult refused(int error)
{
    // A step that failed without a word from the system is the disk's doing.
    return {false, SaveReasons::fromError(error != 0 ? error : EIO, SaveReasons::Refuser::Folder)};
}

// Whoever could read or write the old file can do so with the new one. Owner and group
// come first, as changing them clears the set-id bits of the mode.
bool takeOwnerAndMode(int descriptor, const struct stat &replaced)
{
    if (::fchown(descriptor, replaced.st_uid, replaced.st_gid) != 0)
        return false;
    // A file system without modes refuses this; the file is written all the same.
    (void)::fchmod(descriptor, replaced.st_mode & 07777);
    return true;
}

// Once the rename is done the new file is the one in place; syncing its folder only makes
// the rename itself outlive a power cut, so a folder that cannot be synced is no failure.
void syncFolder(const QString &target)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

// QFile buffers small writes, so a full disk often shows only at the flush; the sync
// brings out what the disk itself refuses later (quotas, I/O errors, network folders).
// errno is kept from the step that failed.
bool writeAndSync(QFile &file, const QByteArray &bytes)
{
    return !injectedFailure(WriteStep::Write) && file.write(bytes) == bytes.size() &&
           !injectedFailure(WriteStep::Flush) && file.flush() &&
           !injectedFailure(WriteStep::Sync) && ::fsync(file.handle()) == 0;
}

} // namespace

FileReplacement FileReplacement::write(const QString &target, const QByteArray &bytes,
                                       const struct stat *replaced)
{
    const SaveTemporaries::Temporary temporary = SaveTemporaries::create(target);
    if (temporary.descriptor < 0) {
        const int error = errno;
        if (replaced && (error == EACCES || error == EPERM))
            return {Outcome::FolderRefusesTemporary, {}};
        return {Outcome::Finished, refused(error)};
    }
    const QByteArray temporaryPath = QFile::encodeName(temporary.path);
    if (replaced && !takeOwnerAndMode(temporary.descriptor, *replaced)) {
        ::close(temporary.descriptor);
        ::unlink(temporaryPath.constData());
        return {Outcome::OwnerCannotBeKept, {}};
    }

    QFile file;
    if (!file.open(temporary.descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        ::close(temporary.descriptor);
    errno = 0;
    bool written = file.isOpen() && writeAndSync(file, bytes);
    int error = errno;
    file.close();
    if (written && file.error() != QFileDevice::NoError) {
        written = false;
        error = EIO;
    }
    if (written &&
        ::rename(temporaryPath.constData(), QFile::encodeName(target).constData()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporaryPath.constData());
        return {Outcome::Finished, refused(error)};
    }
    syncFolder(target);
    return {Outcome::Finished, {true, QString()}};
}
