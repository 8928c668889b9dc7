// The image viewer's drives: choosing one, and coming back from one that cannot be read.
#include "windows/viewer/ImageViewer.h"

#include "label/ProgramState.h"
#include "widgets/MsgBox.h"
#include "windows/viewer/FolderTree.h"

#include <QComboBox>
#include <QFileInfo>
#include <utility>

void ImageViewer::selectDrive(int index, DriveRoute route)
{
    m_route = route;
    m_driveList->setCurrentIndex(index);
}

void ImageViewer::onDriveChosen(int index)
{
    if (index < 0)
        return;
    const DriveRoute route = std::exchange(m_route, DriveRoute::UserChoice);
    m_checkingDrive = index;
    const int attempt = ++m_driveAttempt;
    ViewerDrives::checkReady(this, m_drives.at(index).rootPath,
                             [this, index, route, attempt](bool ready) {
                                 // Only the drive chosen last counts.
                                 if (attempt != m_driveAttempt)
                                     return;
                                 m_checkingDrive = -1;
                                 if (ready)
                                     showDrive(index);
                                 else
                                     driveNotReady(index, route);
                             });
}

void ImageViewer::showDrive(int index)
{
    m_shownDrive = index;
    const QString &rootPath = m_drives.at(index).rootPath;
    m_state.viewerLastDrive = rootPath;
    QString folder = m_driveFolders.value(rootPath, rootPath);
    if (!QFileInfo(folder).isDir())
        folder = rootPath;
    m_folderTree->showDrive(rootPath, folder);
}

// ViewerLastDrive only ever names a drive that could be read. Should it fail in its turn
// (unmounted meanwhile), the viewer goes to the root volume without a second message, and
// gives up when even that cannot be read, so it never loops.
void ImageViewer::driveNotReady(int index, DriveRoute route)
{
    if (route == DriveRoute::UserChoice) {
        MsgBoxError(QStringLiteral("Lecteur non disponible ou non prêt !"));
        const int last = ViewerDrives::indexOfRoot(m_drives, m_state.viewerLastDrive);
        if (last >= 0 && last != index) {
            selectDrive(last, DriveRoute::BackToLast);
            return;
        }
    }
    if (route != DriveRoute::BackToRoot) {
        const int root = ViewerDrives::indexOfRoot(m_drives, QStringLiteral("/"));
        if (root >= 0 && root != index) {
            selectDrive(root, DriveRoute::BackToRoot);
            return;
        }
    }
}
