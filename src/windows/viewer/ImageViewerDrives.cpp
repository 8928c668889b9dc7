// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The image viewer's drives: listing them as they answer, choosing one, and coming back from
// one that cannot be read. A drive is known by its mount point, as drives join the list
// in the mount table's order whenever they answer.
#include "windows/viewer/ImageViewer.h"

#include "widgets/MsgBox.h"
#include "windows/viewer/FolderTree.h"

#include <QComboBox>
#include <QFileInfo>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

// The root volume, which everything else stands on, is listed at once; every other volume is
// asked whether it can be read, and listed when it says so. One that has not answered in
// time is listed as not ready, and shown as any other should it answer later.
void ImageViewer::listDrives(const QList<ViewerDrive> &mounted)
{
    if (mounted.isEmpty())
        return;
    for (const ViewerDrive &drive : mounted)
        m_mountOrder.append(drive.rootPath);
    addDrive(mounted.first(), mounted.first().caption());
    for (const ViewerDrive &drive : mounted.mid(1)) {
        ViewerDrives::ask(
            this, drive.rootPath, m_source.canRead,
            [this, drive](ViewerDrives::Answer answer) { volumeAnswered(drive, answer); });
    }
}

void ImageViewer::volumeAnswered(const ViewerDrive &drive, ViewerDrives::Answer answer)
{
    const int listed = ViewerDrives::indexOfRoot(m_drives, drive.rootPath);
    switch (answer) {
    case ViewerDrives::Answer::Readable:
        if (listed < 0)
            addDrive(drive, drive.caption());
        else
            m_driveList->setItemText(listed, drive.caption());
        return;
    case ViewerDrives::Answer::Silent:
        addDrive(drive, drive.caption() + tr("  (non prêt)"));
        return;
    case ViewerDrives::Answer::Unreadable:
        // Nothing a user can read from: not listed, and the viewer opens on the root volume
        // should the program sit there.
        if (listed < 0 && drive.rootPath == m_awaitedDrive)
            selectAwaitedDrive(m_mountOrder.first());
        return;
    }
}

void ImageViewer::addDrive(const ViewerDrive &drive, const QString &caption)
{
    const qsizetype order = m_mountOrder.indexOf(drive.rootPath);
    const auto before = std::find_if(m_drives.cbegin(), m_drives.cend(), [&](const ViewerDrive &d) {
        return m_mountOrder.indexOf(d.rootPath) > order;
    });
    const int index = int(before - m_drives.cbegin());
    m_drives.insert(index, drive);
    {
        // The list keeps its current drive: only a choice is a change.
        const QSignalBlocker quiet(m_driveList);
        const int current = m_driveList->currentIndex();
        m_driveList->insertItem(index, caption);
        m_driveList->setCurrentIndex(current < index ? current : current + 1);
    }
    if (drive.rootPath == m_awaitedDrive)
        selectAwaitedDrive(drive.rootPath);
}

void ImageViewer::selectAwaitedDrive(const QString &rootPath)
{
    m_awaitedDrive.clear();
    selectDrive(rootPath, DriveRoute::UserChoice);
}

void ImageViewer::selectDrive(const QString &rootPath, DriveRoute route)
{
    m_route = route;
    m_driveList->setCurrentIndex(ViewerDrives::indexOfRoot(m_drives, rootPath));
}

void ImageViewer::onDriveChosen(int index)
{
    if (index < 0)
        return;
    const DriveRoute route = std::exchange(m_route, DriveRoute::UserChoice);
    const QString rootPath = m_drives.at(index).rootPath;
    m_checkingDrive = rootPath;
    const int attempt = ++m_driveAttempt;
    ViewerDrives::ask(this, rootPath, m_source.canRead,
                      [this, rootPath, route, attempt](ViewerDrives::Answer answer) {
                          // Only the drive chosen last counts, and only its first answer: one
                          // that comes once the wait is over finds the choice made.
                          if (attempt != m_driveAttempt || m_checkingDrive != rootPath)
                              return;
                          m_checkingDrive.clear();
                          if (answer == ViewerDrives::Answer::Readable)
                              showDrive(rootPath);
                          else
                              driveNotReady(rootPath, route);
                      });
}

void ImageViewer::showDrive(const QString &rootPath)
{
    m_shownDrive = rootPath;
    m_memory.lastDrive = rootPath;
    QString folder = m_driveFolders.value(rootPath, rootPath);
    if (!QFileInfo(folder).isDir())
        folder = rootPath;
    m_folderTree->showDrive(rootPath, folder);
}

// The last drive only ever names a drive that could be read. Should it fail in its turn
// (unmounted meanwhile), the viewer goes to the root volume without a second message, and
// gives up when even that cannot be read, so it never loops.
void ImageViewer::driveNotReady(const QString &rootPath, DriveRoute route)
{
    if (route == DriveRoute::UserChoice) {
        MsgBoxError(tr("Lecteur non disponible ou non prêt !"));
        const QString &last = m_memory.lastDrive;
        if (ViewerDrives::indexOfRoot(m_drives, last) >= 0 && last != rootPath) {
            selectDrive(last, DriveRoute::BackToLast);
            return;
        }
    }
    const QString root = QStringLiteral("/");
    if (route != DriveRoute::BackToRoot && ViewerDrives::indexOfRoot(m_drives, root) >= 0 &&
        root != rootPath)
        selectDrive(root, DriveRoute::BackToRoot);
}
