// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ViewerDrives.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QFutureWatcher>
#include <QPromise>
#include <QRegularExpression>
#include <QTimer>
#include <memory>
#include <thread>

namespace {

// File systems of the kernel and of devices: nothing a user keeps pictures in.
bool isKernelFileSystem(const QByteArray &type)
{
    static const QList<QByteArray> kernel = {
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nfsd",        "nsfs",     "proc",     "pstore",  "rpc_pipefs",
        "securityfs", "selinuxfs",   "sysfs",    "tracefs"};
    return kernel.contains(type);
}

bool isAbove(const QString &rootPath, const QString &path)
{
    if (rootPath == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == rootPath || path.startsWith(rootPath + QLatin1Char('/'));
}

// The kernel's own trees, whatever is mounted there, and each user's runtime folder, which
// holds the sockets and locks of running programs.
bool isSystemPlace(const QString &mountPoint)
{
    static const QRegularExpression runtimeFolder(QStringLiteral("^/run/user/[0-9]+$"));
    for (const char *tree : {"/proc", "/sys", "/dev"}) {
        if (isAbove(QLatin1String(tree), mountPoint))
            return true;
    }
    return runtimeFolder.match(mountPoint).hasMatch();
}

// text with each escape, prefix and then digits in base, replaced by the byte it stands for.
QByteArray unescaped(const QByteArray &text, QByteArrayView prefix, int digits, int base)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QByteArray code = text.mid(i + prefix.size(), digits);
        bool isCode = false;
        const int value = code.toInt(&isCode, base);
        if (QByteArrayView(text).sliced(i).startsWith(prefix) && code.size() == digits && isCode) {
            bytes.append(char(value));
            i += prefix.size() + digits - 1;
        } else {
            bytes.append(text.at(i));
        }
    }
    return bytes;
}

// The mount table writes a blank, a tab, a line break and a backslash as \040, \011, \012
// and \134.
QString mountTableText(const QByteArray &field)
{
    return QFile::decodeName(unescaped(field, "\\", 3, 8));
}

QHash<QString, QString> labelsByDevice()
{
    // Links on the device file system, which answers whatever the volumes do.
    QHash<QString, QString> labels;
    QDirIterator links(QStringLiteral("/dev/disk/by-label"), QDir::Files | QDir::System);
    while (links.hasNext()) {
        const QFileInfo link = links.nextFileInfo();
        // udev writes the characters a file name cannot hold as \xHH.
        const QByteArray linkName = QFile::encodeName(link.fileName());
        labels.insert(link.canonicalFilePath(),
                      QString::fromUtf8(unescaped(linkName, "\\x", 2, 16)));
    }
    return labels;
}

ViewerDrive driveOf(const QString &mountPoint, const QString &device,
                    const QHash<QString, QString> &labels)
{
    // Only device paths are followed (/dev/mapper/... links to /dev/dm-0); anything else
    // names no file here ("server:/share").
    const QString resolved = device.startsWith(QLatin1String("/dev/"))
                                 ? QFileInfo(device).canonicalFilePath()
                                 : QString();
    QString name = labels.value(resolved.isEmpty() ? device : resolved);
    if (name.isEmpty())
        name = QFileInfo(device).fileName();
    return {mountPoint, name};
}

QFuture<bool> question(const QString &rootPath, const std::function<bool(const QString &)> &canRead)
{
    // Only ever used on the window's thread.
    static QHash<QString, QFuture<bool>> asked;
    QFuture<bool> &pending = asked[rootPath];
    if (!pending.isFinished())
        return pending;
    // A thread of its own rather than one of the shared pool: a drive stuck in the kernel
    // keeps its thread for good, and must not take the pool that reads pictures with it.
    QPromise<bool> promise;
    pending = promise.future();
    std::thread([promise = std::move(promise), rootPath, canRead]() mutable {
        promise.start();
        promise.addResult(canRead(rootPath));
        promise.finish();
    }).detach();
    return pending;
}

} // namespace

QString ViewerDrive::caption() const
{
    return name.isEmpty() ? rootPath : rootPath + QStringLiteral("  [") + name + QLatin1Char(']');
}

namespace ViewerDrives {

QList<ViewerDrive> mounted()
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    const QByteArray mountInfo = table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
    return fromMountTable(mountInfo, labelsByDevice());
}

QList<ViewerDrive> fromMountTable(const QByteArray &mountInfo,
                                  const QHash<QString, QString> &labels)
{
    // Each line: id, parent, device number, root, mount point, options, optional fields,
    // "-", file system type, source, super options. A later mount on the same point hides
    // the earlier one.
    QList<ViewerDrive> drives{{QStringLiteral("/"), QString()}};
    for (const QByteArray &line : mountInfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (separator < 6 || separator + 2 >= fields.size())
            continue;
        const QString mountPoint = mountTableText(fields.at(4));
        const QString device = mountTableText(fields.at(separator + 2));
        const int index = indexOfRoot(drives, mountPoint);
        if (index >= 0 && mountPoint != QLatin1String("/"))
            drives.removeAt(index);
        if (isKernelFileSystem(fields.at(separator + 1)) || isSystemPlace(mountPoint))
            continue;
        const ViewerDrive drive = driveOf(mountPoint, device, labels);
        if (mountPoint == QLatin1String("/"))
            drives.first() = drive;
        else
            drives.append(drive);
    }
    return drives;
}

bool canRead(const QString &rootPath)
{
    // A container mounts single files (its hosts file, ...) as volumes of their own.
    return QFileInfo(rootPath).isDir() && QDir(rootPath).isReadable();
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

void ask(QObject *receiver, const QString &rootPath,
         const std::function<bool(const QString &)> &canRead, std::function<void(Answer)> told)
{
    auto *answer = new QFutureWatcher<bool>(receiver);
    // The watcher outlives the wait only as long as the question does.
    QTimer::singleShot(ReadyWaitMs, answer, [told] { told(Answer::Silent); });
    QObject::connect(answer, &QFutureWatcherBase::finished, receiver, [answer, told] {
        answer->deleteLater();
        if (answer->future().resultCount() > 0)
            told(answer->result() ? Answer::Readable : Answer::Unreadable);
    });
    answer->setFuture(question(rootPath, canRead));
}

} // namespace ViewerDrives
