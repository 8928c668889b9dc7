// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The label or picture being read for the document: one at a time, off the window's thread.
#include "windows/main/MainWindow.h"

#include "windows/shared/BackgroundTask.h"
#include "windows/shared/PictureBox.h"

#include <QAction>
#include <QPushButton>

void MainWindow::openLabel(const QString &path)
{
    readLabel(path, [this, path](const LabelRead &read) { showLabel(path, read); });
}

void MainWindow::readLabel(const QString &path, std::function<void(const LabelRead &)> show)
{
    beginDocumentRead();
    runInBackground(
        this,
        [path, pixels = m_pictureBox->pixelSize()] {
            LabelRead read{LabelLoader::load(path), QImage()};
            if (read.label)
                read.drawn = PictureBox::drawnFor(read.label->document.picture.decoded, pixels);
            return read;
        },
        [this, show = std::move(show)](const LabelRead &read) {
            endDocumentRead([&] { show(read); });
        });
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
