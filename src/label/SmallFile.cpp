#include "label/SmallFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int NoFailure = -1;

std::atomic<int> &injectedFailure()
{
    static std::atomic<int> step{NoFailure};
    return step;
}

bool failing(SmallFile::WriteStep step)
{
    return injectedFailure().load() == int(step);
}

// A new file beside target under a name nobody uses, so that nothing else is overwritten
// on the way; like any new file it gets the permissions the umask allows.
bool openTemporary(QFile &temp, const QString &target)
{
    const QFileInfo info(target);
    // Cut so that a long file name still leaves room for the suffix within NAME_MAX.
    const QString base = QStringLiteral(".") + info.fileName().left(40);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString suffix = QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(), 8,
                                                         16, QLatin1Char('0'));
        temp.setFileName(info.dir().filePath(base + suffix));
        if (temp.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!temp.exists()) // a real failure rather than a name already taken
            return false;
    }
    return false;
}

// The replacement keeps who may read the file it replaces.
void keepPermissions(const QString &target, const QFile &temp)
{
    struct stat old;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0)
        // A file system without modes refuses this; the file is written all the same.
        (void)::fchmod(temp.handle(), old.st_mode & 07777);
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

bool replaceRegularFile(const QString &target, const QByteArray &bytes)
{
    using SmallFile::WriteStep;
    QFile temp;
    if (!openTemporary(temp, target))
        return false;
    keepPermissions(target, temp);
    // QFile buffers small writes, so a full disk often shows only at the flush; the sync
    // brings out what the disk itself refuses later (quotas, I/O errors, network folders).
    bool written = !failing(WriteStep::Write) && temp.write(bytes) == bytes.size() &&
                   !failing(WriteStep::Flush) && temp.flush() && !failing(WriteStep::Sync) &&
                   ::fsync(temp.handle()) == 0;
    temp.close();
    written = written && temp.error() == QFileDevice::NoError &&
              ::rename(QFile::encodeName(temp.fileName()).constData(),
                       QFile::encodeName(target).constData()) == 0;
    if (!written) {
        temp.remove();
        return false;
    }
    syncFolder(target);
    return true;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Pipes and character devices have nothing to sync and say so; that is no failure.
bool syncDevice(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

bool writeIntoDevice(const QString &path, const QByteArray &bytes)
{
    using SmallFile::WriteStep;
    // Opening without waiting refuses a pipe that nobody reads instead of hanging on it;
    // once open, the bytes go out at the reader's pace.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const int flags = ::fcntl(fd, F_GETFL);
    bool written = flags != -1 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 &&
                   !failing(WriteStep::Write) && writeAll(fd, bytes) && !failing(WriteStep::Sync) &&
                   syncDevice(fd);
    written = ::close(fd) == 0 && written;
    return written;
}

} // namespace

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

bool write(const QString &path, const QByteArray &bytes, OtherTarget other)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.exists())
        return replaceRegularFile(path, bytes);
    if (info.isFile())
        return replaceRegularFile(info.canonicalFilePath(), bytes);
    if (info.isDir() || other == OtherTarget::Refuse)
        return false;
    return writeIntoDevice(path, bytes);
}

ScopedWriteFailure::ScopedWriteFailure(WriteStep step)
    : m_previous(injectedFailure().exchange(int(step)))
{
}

ScopedWriteFailure::~ScopedWriteFailure()
{
    injectedFailure().store(m_previous);
}

} // namespace SmallFile
