#include "label/DeviceWrite.h"

#include "label/SaveReasons.h"
#include "label/WriteSteps.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
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

bool writeAll(int descriptor, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
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
    const int flags = ::fcntl(descriptor, F_GETFL);
    errno = 0;
    bool written = flags != -1 && ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0 &&
              writeAndSync(descriptor, bytes);
    int error = errno;
    if (::close(descriptor) != 0 && written) {
        written = false;
        error = errno;
    }
    return written ? WriteResult{true, QString()} : refused(error);
}

} // namespace DeviceWrite
