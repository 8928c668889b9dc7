// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The label or picture being read for the document: one at a time, off the window's thread.
#include "windows/main/MainWindow.h"

#include "platform/PictureLoader.h"
#include "windows/shared/BackgroundTask.h"
#include "windows/shared/PictureBox.h"

#include <QAction>
#include <QPushButton>

namespace {

// Reading a label and its picture takes well under a second, even from a slow volume; one
// that takes this long is stuck (a network share that went away), and the window stops
// waiting for it.
constexpr std::chrono::seconds DocumentReadLimit(10);

} // namespace

void MainWindow::openLabel(const QString &path)
{
    readLabel(path, [this, path](const LabelRead &read) { showLabel(path, read); });
}

void MainWindow::readLabel(const QString &path, std::function<void(const LabelRead &)> show)
{
    beginDocumentRead();
    runInBackgroundWithin(
        this, DocumentReadLimit,
        [path, pixels = m_pictureBox->pixelSize()] {
            LabelRead read{LabelLoader::load(path), QImage()};
            if (read.label)
                read.drawn = PictureBox::drawnFor(read.label->document.picture.decoded, pixels);
            return read;
        },
        [this, show = std::move(show)](const LabelRead &read) {
            endDocumentRead([&] { show(read); });
        },
        [this] { endDocumentRead([this] { showError(LabelFile::openErrorMessage()); }); });
}

void MainWindow::readPictureFile(const QString &path, std::function<void(const PictureRead &)> show)
{
    beginDocumentRead();
    runInBackgroundWithin(
        this, DocumentReadLimit,
        [path, pixels = m_pictureBox->pixelSize()] { return readPicture(path, pixels); },
        [this, show = std::move(show)](const PictureRead &read) {
            endDocumentRead([&] { show(read); });
        },
        [this] { endDocumentRead([this] { showError(PictureLoader::unsupportedMessage()); }); });
}

void MainWindow::beginDocumentRead()
{
    m_readingDocument = std::make_unique<BusyPointerAfterAMoment>();
    setDocumentReadsEnabled(false);
}

void MainWindow::endDocumentRead(const std::function<void()> &takeWhatWasRead)
{
    m_readingDocument.reset();
    setDocumentReadsEnabled(true);
    takeWhatWasRead();
    emit documentRead();
}

void MainWindow::setDocumentReadsEnabled(bool enabled)
{
    // What they would read or replace would land before or after the read, as it happens.
    for (QAction *command : {m_newAction, m_openAction, m_pictureAction})
        command->setEnabled(enabled);
    for (QAction *entry : m_recentLabelActions)
        entry->setEnabled(enabled);
    m_clearPictureButton->setEnabled(enabled);
    m_pastePictureButton->setEnabled(enabled && m_pastePictureOffered);
}
