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

namespace {

constexpr qsizetype MaxPicturesRead = 2;

} // namespace

void ImageViewer::requestPicture(const QString &path)
{
    m_chosenPath = path;
    m_waitingPath.reset();
    if (m_loadingPaths.contains(path))
        return;
    if (m_loadingPaths.size() < MaxPicturesRead)
        startLoading(path);
    else
        m_waitingPath = path;
}

void ImageViewer::startLoading(const QString &path)
{
    m_loadingPaths.append(path);
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
    m_loadingPaths.removeOne(path);
    if (const std::optional<QString> next = std::exchange(m_waitingPath, std::nullopt))
        startLoading(*next);
    // The user moved on while this one was read: only the latest choice is worth showing.
    if (path != m_chosenPath) {
        if (m_loadingPaths.isEmpty())
            m_busy.reset();
        return;
    }
    m_busy.reset();
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
