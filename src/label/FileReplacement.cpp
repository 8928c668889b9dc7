#include "label/FileReplacement.h"

#include "label/SaveReasons.h"
#include "label/WriteSteps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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

// A new file beside target under a name nobody uses, so that nothing else is overwritten
// on the way; like any new file it gets the permissions the umask allows. -1 with errno
// set when the folder refuses one.
int openTemporary(const QString &target, QString &path)
{
    const QFileInfo info(target);
    // Cut so that a long file name still leaves room for the suffix within NAME_MAX.
    const QString base = QStringLiteral(".") + info.fileName().left(40);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString suffix = QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(), 8,
                                                         16, QLatin1Char('0'));
        path = info.dir().filePath(base + suffix);
        const int descriptor = ::open(QFile::encodeName(path).constData(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// The replacement keeps who may read the file it replaces.
void keepPermissions(const QString &target, int descriptor)
{
    struct stat old;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0)
        // A file system without modes refuses this; the file is written all the same.
        (void)::fchmod(descriptor, old.st_mode & 07777);
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

namespace FileReplacement {

WriteResult write(const QString &target, const QByteArray &bytes)
{
    QString temporaryName;
    const int descriptor = openTemporary(target, temporaryName);
    if (descriptor < 0)
        return refused(errno);
    const QByteArray temporaryPath = QFile::encodeName(temporaryName);
    keepPermissions(target, descriptor);

    QFile file;
    if (!file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        ::close(descriptor);
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
        return refused(error);
    }
    syncFolder(target);
    return {true, QString()};
}

} // namespace FileReplacement
