// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

class QObject;

// The image viewer's drives: the mounted volumes that hold the user's files.
struct ViewerDrive
{
    QString rootPath; // the mount point, "/" for the root volume
    QString name;     // the volume's label, else its device

    // What the drive list shows: the mount point, then the name.
    QString caption() const;
};

namespace ViewerDrives {

// The mounted volumes a user can read files from, the root volume first, as the mount table
// lists them: no volume is asked anything, so a dead one cannot block the caller. Kernel and
// device file systems, and the users' runtime folders, are left out.
QList<ViewerDrive> mounted();
// The same from the text of a mount table (/proc/self/mountinfo), naming each volume after
// its device's label among labels (by device path) when it has one.
QList<ViewerDrive> fromMountTable(const QByteArray &mountInfo,
                                  const QHash<QString, QString> &labels);

// Whether the folder at rootPath can be read. It waits on the volume, which for a network
// share whose server is gone can be minutes, or for ever on a hard mount.
bool canRead(const QString &rootPath);

// The drive holding path: the one with the longest mount point above it; -1 for none.
int indexHolding(const QList<ViewerDrive> &drives, const QString &path);
int indexOfRoot(const QList<ViewerDrive> &drives, const QString &rootPath);

// How long a drive may take to answer before it counts as not ready.
constexpr int ReadyWaitMs = 3000;

enum class Answer
{
    Readable,
    Unreadable,
    Silent // nothing yet after ReadyWaitMs
};

// Asks canRead about rootPath on a thread of its own and tells told, on receiver's thread,
// what it answers, or Silent once ReadyWaitMs have passed; an answer that comes after that is
// told as well. A volume still stuck in an earlier question is not asked again: the new
// question waits for the same answer rather than take another thread for good. Nothing is
// told once receiver is gone; a question that never ends holds up nothing, exit included.
void ask(QObject *receiver, const QString &rootPath,
         const std::function<bool(const QString &)> &canRead, std::function<void(Answer)> told);

} // namespace ViewerDrives

// Where the viewer's drives come from: the mount table, read at once, and the question put to
// each volume off the window's thread. The tests give their own.
struct ViewerDriveSource
{
    std::function<QList<ViewerDrive>()> mounted = ViewerDrives::mounted;
    std::function<bool(const QString &rootPath)> canRead = ViewerDrives::canRead;
};
