// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/Picture.h"
#include "platform/ViewerDrives.h"
#include "windows/viewer/ViewerMemory.h"

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <memory>
#include <optional>

class BusyPointer;
class FileList;
class FolderTree;
class PictureBox;
class QComboBox;
class QLabel;
class QPushButton;

// The image viewer: browse the drives and folders for pictures, see the chosen one large and
// at the size of the label's picture, and put its path aside ("&Copier") for the main
// window's "Coller l'image". Created for one showing, modal, and discarded on closing.
class ImageViewer : public QDialog
{
    Q_OBJECT

public:
    // memory outlives the viewer; it opens in programFolder. drives are the machine's
    // drives; the tests give their own.
    ImageViewer(ViewerMemory &memory, const QString &programFolder, QWidget *parent = nullptr,
                const ViewerDriveSource &drives = ViewerDriveSource());
    ~ImageViewer() override;

signals:
    // "&Copier" put a path into the memory's copied picture.
    void pictureCopied();

private slots:
    void onDriveChosen(int index);
    void onFolderChosen(const QString &folder);
    void onPatternEdited(const QString &pattern);
    void onFileChosen(const QString &name);
    void closeViewer();
    void copyPicturePath();

private:
    // Layout and start (ImageViewer.cpp).
    void buildControls();
    void placeControls();
    void orderFocus();
    void loadWindow();
    void setPathCaption(const QString &path);

    // Drives (ImageViewerDrives.cpp).
    void listDrives(const QList<ViewerDrive> &mounted);
    void volumeAnswered(const ViewerDrive &drive, ViewerDrives::Answer answer);
    void addDrive(const ViewerDrive &drive, const QString &caption);
    void selectAwaitedDrive(const QString &rootPath);
    enum class DriveRoute
    {
        UserChoice, // a drive the user picked, or the program's own at start
        BackToLast, // returning to the last drive shown after a drive that could not be read
        BackToRoot  // the last drive could not be read either
    };
    void selectDrive(const QString &rootPath, DriveRoute route);
    void showDrive(const QString &rootPath);
    void driveNotReady(const QString &rootPath, DriveRoute route);

    // The chosen picture (ImageViewerPicture.cpp).
    // A picture read for the two boxes, and each box's drawing of it.
    struct Shown
    {
        std::optional<Picture> picture;
        QImage large, labelSize;
    };
    void requestPicture(const QString &path);
    void startLoading(const QString &path);
    void pictureLoaded(const QString &path, const Shown &shown);
    void clearPictures();

    ViewerMemory &m_memory;
    const QString m_programFolder;
    ViewerDriveSource m_source;
    // The drives listed so far, as the drive list shows them: the root volume at once, the
    // others as they answer, in the order of the mount table.
    QList<ViewerDrive> m_drives;
    QStringList m_mountOrder; // every mounted volume's mount point
    // The drive of the program's own folder, to be selected once listed.
    QString m_awaitedDrive;
    // The folder last shown on each drive, by mount point: a drive comes back where it was.
    QHash<QString, QString> m_driveFolders;
    // By mount point: the drive whose folders are shown, and the one being checked; empty
    // for none.
    QString m_shownDrive;
    QString m_checkingDrive;
    int m_driveAttempt = 0;
    DriveRoute m_route = DriveRoute::UserChoice;

    // The pictures being read. A choice made meanwhile is read at once, the answers for earlier
    // ones dropped when they come, so that a slow picture never holds the next one back; but
    // no more than two at a time, each of which may take a few hundred megabytes, so a choice
    // made while two are read waits, and only the latest one.
    QStringList m_loadingPaths;
    std::optional<QString> m_waitingPath;
    QString m_chosenPath;
    std::unique_ptr<BusyPointer> m_busy;

    QLabel *m_driveCaption = nullptr;
    QComboBox *m_driveList = nullptr;
    QLabel *m_folderCaption = nullptr;
    FolderTree *m_folderTree = nullptr;
    QLabel *m_patternCaption = nullptr;
    QComboBox *m_patternBox = nullptr;
    FileList *m_fileList = nullptr;
    QLabel *m_picturesTitle = nullptr;
    PictureBox *m_largePicture = nullptr;
    QLabel *m_pathCaption = nullptr;
    PictureBox *m_labelSizePicture = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};
