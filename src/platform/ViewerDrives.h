#pragma once

#include <QList>
#include <QString>
#include <functional>

class QObject;
class QStorageInfo;

// The image viewer's drives: the mounted volumes that hold the user's files.
struct ViewerDrive
{
    QString rootPath; // the mount point, "/" for the root volume
    QString name;     // the volume's label, else its device

    static ViewerDrive of(const QStorageInfo &volume);
    // What the drive list shows: the mount point, then the name.
    QString caption() const;
};

using ViewerDriveSource = std::function<QList<ViewerDrive>()>;

namespace ViewerDrives {

// The root volume first, then the other mounted volumes that hold files; kernel and
// memory file systems, and single files mounted into a container, are left out.
QList<ViewerDrive> mounted();

// The drive holding path: the one with the longest mount point above it; -1 for none.
int indexHolding(const QList<ViewerDrive> &drives, const QString &path);
int indexOfRoot(const QList<ViewerDrive> &drives, const QString &rootPath);

// How long a drive may take to answer before it counts as not ready: a network share
// whose server is gone can hang a call for minutes.
constexpr int ReadyWaitMs = 3000;

// Tells done, on receiver's thread, whether the drive's root folder can be read. The test
// runs on a thread of its own; a drive that has not answered within ReadyWaitMs is not
// ready, and its late answer is dropped. Nothing is told once receiver is gone.
void checkReady(QObject *receiver, const QString &rootPath, std::function<void(bool)> done);

} // namespace ViewerDrives
