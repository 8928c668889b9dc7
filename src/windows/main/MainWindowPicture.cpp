// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The label's picture: loading one from a file or from the image viewer, removing it.
#include "windows/main/MainWindow.h"

#include "platform/PictureLoader.h"
#include "windows/shared/PictureBox.h"
#include "windows/shared/PictureMessages.h"
#include "windows/viewer/ImageViewer.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString pictureFileFilter()
{
    return QCoreApplication::translate("MainWindow", "Fichiers Icone               (*.ICO)|*.ico|"
                                                     "Fichiers curseurs           (*.CUR)|*.cur|"
                                                     "Image en mode point    (*.BMP)|*.bmp|"
                                                     "Métafichiers Windows  (*.WMF)|*.wmf|"
                                                     "Fichier image                (*.GIF)|*.gif|"
                                                     "Fichier image                (*.JPG)|*.jpg");
}

} // namespace

void MainWindow::choosePicture()
{
    FileRequest request;
    // "AUCUN" is proposed when the label has no picture: it is what the file stores then.
    request.proposedName = m_document.picturePath;
    request.title = tr("Ouvrir un icone");
    request.filter = pictureFileFilter();
    request.startFolder = QDir::currentPath();
    const std::optional<ChosenFile> chosen = m_commonDialog.chooseFileToOpen(request);
    if (!chosen)
        return;
    m_session.label.iconPath = chosen->path;
    useIconPath();
}

void MainWindow::onPictureDoubleClicked()
{
    // Not while a label or a picture is being read.
    m_pictureAction->trigger();
}

void MainWindow::clearPicture()
{
    setPicture(Picture());
    m_session.label.iconPath = QLatin1String(LabelFile::NoIcon);
    m_document.picturePath.clear();
    onDocumentChanged();
}

void MainWindow::openImageViewer()
{
    ImageViewer viewer(m_session.viewer, m_session.start.programFolder, this);
    connect(&viewer, &ImageViewer::pictureCopied, this, &MainWindow::enablePastePicture);
    viewer.exec();
}

void MainWindow::pastePicture()
{
    if (m_session.viewer.copiedPicture.isEmpty())
        return;
    m_session.label.iconPath = m_session.viewer.copiedPicture;
    useIconPath();
}

// Shows the picture at IconPath and makes it the label's, once read. A file that does not
// load leaves the shown picture and the label's picture path as they were, while IconPath
// names it.
void MainWindow::useIconPath()
{
    const QString path = m_session.label.iconPath;
    readPictureFile(path, [this, path](const PictureRead &read) {
        if (!read.picture) {
            showError(unsupportedPictureMessage());
            return;
        }
        setPicture(*read.picture, read.drawn);
        m_document.picturePath = path;
        onDocumentChanged();
    });
}

MainWindow::PictureRead MainWindow::readPicture(const QString &path, const QSize &boxPixels)
{
    PictureRead read{PictureLoader::load(path), QImage()};
    if (read.picture)
        read.drawn = PictureBox::drawnFor(*read.picture, boxPixels);
    return read;
}

void MainWindow::setPicture(const Picture &picture, const QImage &drawn)
{
    m_pictureBox->setPicture(picture, drawn);
}
