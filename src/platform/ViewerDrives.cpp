#include "platform/ViewerDrives.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPromise>
#include <QStorageInfo>
#include <QTimer>
#include <memory>
#include <thread>

namespace {

bool isPseudoFileSystem(const QByteArray &type)
{
    static const QList<QByteArray> pseudo = {
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nsfs",        "proc",     "pstore",   "ramfs",   "rpc_pipefs",
        "securityfs", "squashfs",    "sysfs",    "tmpfs",    "tracefs"};
    return pseudo.contains(type);
}

bool holdsFiles(const QStorageInfo &volume)
{
    // A container mounts single files (its hosts file, ...) as volumes of their own.
    return volume.isValid() && !isPseudoFileSystem(volume.fileSystemType()) &&
           QFileInfo(volume.rootPath()).isDir();
}

bool isAbove(const QString &rootPath, const QString &path)
{
    if (rootPath == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == rootPath || path.startsWith(rootPath + QLatin1Char('/'));
}

} // namespace

ViewerDrive ViewerDrive::of(const QStorageInfo &volume)
{
    QString name = volume.name();
    if (name.isEmpty())
        name = QFileInfo(QString::fromLocal8Bit(volume.device())).fileName();
    return {volume.rootPath(), name};
}

QString ViewerDrive::caption() const
{
    return name.isEmpty() ? rootPath : rootPath + QStringLiteral("  [") + name + QLatin1Char(']');
}

namespace ViewerDrives {

QList<ViewerDrive> mounted()
{
    const QStorageInfo root = QStorageInfo::root();
    QList<ViewerDrive> drives{ViewerDrive::of(root)};
    drives.first().rootPath = QStringLiteral("/");
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isRoot() || !holdsFiles(volume))
            continue;
        drives.append(ViewerDrive::of(volume));
    }
    return drives;
}

int indexHolding(const QList<ViewerDrive> &drives, const QString &path)
{
    int best = -1;
    for (int index = 0; index < drives.size(); ++index) {
        const QString &rootPath = drives.at(index).rootPath;
        if (isAbove(rootPath, path) &&
            (best < 0 || rootPath.size() > drives.at(best).rootPath.size()))
            best = index;
    }
    return best;
}

int indexOfRoot(const QList<ViewerDrive> &drives, const QString &rootPath)
{
    for (int index = 0; index < drives.size(); ++index) {
        if (drives.at(index).rootPath == rootPath)
            return index;
    }
    return -1;
}

void checkReady(QObject *receiver, const QString &rootPath, std::function<void(bool)> done)
{
    // Whichever comes first, the answer or the deadline, is told; the other is dropped.
    auto told = std::make_shared<bool>(false);
    auto tell = [told, done = std::move(done)](bool ready) {
        if (*told)
            return;
        *told = true;
        done(ready);
    };
    QTimer::singleShot(ReadyWaitMs, receiver, [tell] { tell(false); });
    // A thread of its own rather than one of the shared pool: a drive stuck in the kernel
    // keeps its thread for good, and must not take the pool that reads pictures with it.
    QPromise<bool> promise;
    auto *answer = new QFutureWatcher<bool>(receiver);
    QObject::connect(answer, &QFutureWatcherBase::finished, receiver, [answer, tell] {
        answer->deleteLater();
        if (answer->future().resultCount() > 0)
            tell(answer->result());
    });
    answer->setFuture(promise.future());
    std::thread([promise = std::move(promise), rootPath]() mutable {
        promise.start();
        promise.addResult(QFileInfo(rootPath).isDir() && QDir(rootPath).isReadable());
        promise.finish();
    }).detach();
}

} // namespace ViewerDrives
