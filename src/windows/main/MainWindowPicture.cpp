// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The label's picture: loading one from a file or from the image viewer, removing it.
#include "windows/main/MainWindow.h"

#include "platform/PictureLoader.h"
#include "windows/shared/BackgroundTask.h"
#include "windows/shared/PictureBox.h"
#include "windows/shared/PicturePatterns.h"
#include "windows/viewer/ImageViewer.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// Every kind the program reads first, so that no picture of the folder is hidden.
QString pictureFileFilter()
{
    return QCoreApplication::translate("MainWindow", "Toutes les images") + QLatin1Char('|') +
           PicturePatterns::readable().join(QLatin1Char(';')) + QLatin1Char('|') +
           QCoreApplication::translate("MainWindow", "Fichiers Icone               (*.ICO)|*.ico|"
                                                     "Fichiers curseurs           (*.CUR)|*.cur|"
                                                     "Image en mode point    (*.BMP)|*.bmp|"
                                                     "Métafichiers Windows  (*.WMF)|*.wmf|"
                                                     "Fichier image                (*.GIF)|*.gif|"
                                                     "Fichier image                (*.JPG)|*.jpg|"
                                                     "Fichier image                (*.PNG)|*.png|"
                                                     "Fichier image                (*.SVG)|*.svg");
}

} // namespace

void MainWindow::choosePicture()
{
    FileRequest request;
    request.proposedName = document().picture.path;
    request.title = tr("Ouvrir un icone");
    request.filter = pictureFileFilter();
    request.startFolder = QDir::currentPath();
    if (const std::optional<ChosenFile> chosen = m_commonDialog.chooseFileToOpen(request))
        usePictureFile(chosen->path);
}

void MainWindow::onPictureDoubleClicked()
{
    // Not while a label or a picture is being read.
    m_pictureAction->trigger();
}

void MainWindow::clearPicture()
{
    m_model->setPicture(LabelPicture());
}

void MainWindow::openImageViewer()
{
    ImageViewer viewer(m_session.viewer, m_session.start.programFolder, this);
    connect(&viewer, &ImageViewer::pictureCopied, this, &MainWindow::enablePastePicture);
    viewer.exec();
}

void MainWindow::pastePicture()
{
    if (!m_session.viewer.copiedPicture.isEmpty())
        usePictureFile(m_session.viewer.copiedPicture);
}

void MainWindow::usePictureFile(const QString &path)
{
    readPictureFile(path, [this, path](const PictureRead &read) {
        if (!read.picture) {
            showError(PictureLoader::unsupportedMessage());
            return;
        }
        // Shown as drawn here, so that the model's announcement finds it shown.
        m_pictureBox->setPicture(*read.picture, read.drawn);
        m_model->setPicture(LabelPicture{path, *read.picture});
    });
}

MainWindow::PictureRead MainWindow::readPicture(const QString &path, const QSize &boxPixels)
{
    PictureRead read{PictureLoader::load(path), QImage()};
    if (read.picture)
        read.drawn = PictureBox::drawnFor(*read.picture, boxPixels);
    return read;
}

void MainWindow::onPictureChanged()
{
    showPicture();
    onDocumentChanged();
}

// A picture the box does not show yet (one brought back by undo or redo) is drawn off the
// window's thread, as a metafile may take a while; the box is empty meanwhile.
void MainWindow::showPicture()
{
    const Picture &picture = document().picture.decoded;
    if (m_pictureBox->picture().isSameAs(picture))
        return;
    m_pictureBox->setPicture(Picture());
    if (picture.isNull())
        return;
    runInBackground(
        this,
        [picture, pixels = m_pictureBox->pixelSize()] {
            return PictureBox::drawnFor(picture, pixels);
        },
        [this, picture](const QImage &drawn) {
            if (document().picture.decoded.isSameAs(picture))
                m_pictureBox->setPicture(picture, drawn);
        });
}
