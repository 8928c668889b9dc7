// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The image viewer's chosen file: its path, and its picture read off the window's thread.
#include "label/FilePaths.h"
#include "windows/viewer/ImageViewer.h"

#include "platform/PictureLoader.h"
#include "widgets/MsgBox.h"
#include "windows/shared/BackgroundTask.h"
#include "windows/shared/PictureBox.h"
#include "windows/viewer/FileList.h"
#include "windows/viewer/ShownPicture.h"

#include <QPushButton>
#include <utility>

void ImageViewer::onFileChosen(const QString &name)
{
    m_copyButton->setEnabled(true);
    // The path as listed: on a file system where case matters, another case names no file.
    const QString path = withTrailingSlash(m_fileList->folder()) + name;
    setPathCaption(path);
    requestPicture(path);
}

void ImageViewer::requestPicture(const QString &path)
{
    m_chosenPath = path;
    if (m_loading)
        m_waitingPath = path;
    else
        startLoading(path);
}

void ImageViewer::startLoading(const QString &path)
{
    m_loading = true;
    if (!m_busy)
        m_busy = std::make_unique<BusyPointer>();
    // Both boxes are drawn there too: a metafile can take as long to play as to read.
    runInBackground(
        this,
        [path, large = m_largePicture->pixelSize(), labelSize = m_labelSizePicture->pixelSize()] {
            Shown shown{ShownPicture::load(path, large), {}, {}};
            if (shown.picture) {
                shown.large = PictureBox::drawnFor(*shown.picture, large);
                shown.labelSize = PictureBox::drawnFor(*shown.picture, labelSize);
            }
            return shown;
        },
        [this, path](const Shown &shown) { pictureLoaded(path, shown); });
}

void ImageViewer::pictureLoaded(const QString &path, const Shown &shown)
{
    m_loading = false;
    // The user moved on while this one was read: only the latest choice is worth showing.
    const std::optional<QString> next = std::exchange(m_waitingPath, std::nullopt);
    if (next && *next != path) {
        startLoading(*next);
        return;
    }
    m_busy.reset();
    if (path != m_chosenPath)
        return;
    if (!shown.picture) {
        MsgBoxError(PictureLoader::unsupportedMessage());
        return;
    }
    m_largePicture->setPicture(*shown.picture, shown.large);
    m_labelSizePicture->setPicture(*shown.picture, shown.labelSize);
}

void ImageViewer::clearPictures()
{
    m_chosenPath.clear();
    m_waitingPath.reset();
    m_largePicture->setPicture(Picture());
    m_labelSizePicture->setPicture(Picture());
}
