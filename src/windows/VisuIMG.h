#pragma once

#include "windows/ViewerDrives.h"

#include <QDialog>
#include <QHash>
#include <memory>
#include <optional>

class BusyPointer;
class FileList;
class FolderTree;
class Module1;
class Picture;
class PictureBox;
class QComboBox;
class QLabel;
class QPushButton;

// The image viewer: browse the drives and folders for pictures, see the chosen one large and
// at the size of the label's picture, and put its path aside ("&Copier") for the main
// window's "Coller l'image". Created for one showing, modal, and discarded on closing.
class VisuIMG : public QDialog
{
    Q_OBJECT

public:
    // drives lists the machine's drives; the tests give their own.
    explicit VisuIMG(Module1 &state, QWidget *parent = nullptr,
                     const ViewerDriveSource &drives = ViewerDrives::mounted);
    ~VisuIMG() override;

signals:
    // "&Copier" put a path into ViewerImagePath.
    void pictureCopied();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void Drive1_Change(int index);
    void Dir1_Change(const QString &folder);
    void Combo1_Change(const QString &pattern);
    void File1_Click(const QString &name);
    void Command1_Click();
    void Command2_Click();

private:
    // Layout and start (VisuIMG.cpp).
    void buildControls();
    void placeControls();
    void orderFocus();
    void Form_Load();
    void Form_Activate();
    void setPathCaption(const QString &path);

    // Drives (VisuIMG_Drives.cpp).
    enum class DriveRoute
    {
        UserChoice, // a drive the user picked, or the program's own at start
        BackToLast, // returning to ViewerLastDrive after a drive that could not be read
        BackToRoot  // ViewerLastDrive could not be read either
    };
    void selectDrive(int index, DriveRoute route);
    void showDrive(int index);
    void driveNotReady(int index, DriveRoute route);

    // The chosen picture (VisuIMG_Picture.cpp).
    void requestPicture(const QString &path);
    void startLoading(const QString &path);
    void pictureLoaded(const QString &path, const std::optional<Picture> &picture);
    void clearPictures();

    Module1 &m_state;
    QList<ViewerDrive> m_drives;
    // The folder last shown on each drive, by mount point: a drive comes back where it was.
    QHash<QString, QString> m_driveFolders;
    int m_shownDrive = -1;    // the drive whose folders are shown
    int m_checkingDrive = -1; // the drive being checked, -1 when none
    int m_driveAttempt = 0;
    DriveRoute m_route = DriveRoute::UserChoice;

    // One picture is read at a time; a choice made meanwhile waits, and only the latest one.
    bool m_loading = false;
    std::optional<QString> m_waitingPath;
    QString m_chosenPath;
    std::unique_ptr<BusyPointer> m_busy;

    QLabel *Label2 = nullptr;
    QComboBox *Drive1 = nullptr;
    QLabel *Label3 = nullptr;
    FolderTree *Dir1 = nullptr;
    QLabel *Label4 = nullptr;
    QComboBox *Combo1 = nullptr;
    FileList *File1 = nullptr;
    QLabel *Label5 = nullptr;
    PictureBox *Open = nullptr;
    QLabel *Label1 = nullptr;
    PictureBox *Image1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;
};
