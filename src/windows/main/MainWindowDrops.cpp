// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Files dropped on the window: a label file opens, a picture file dropped on the label
// becomes its picture, each by the road of the command that does the same.
#include "windows/main/MainWindow.h"

#include "windows/main/DroppedFile.h"

#include <QDropEvent>

namespace {

// The window only reads the file: it takes it as a copy, never as a move after which the
// program it came from could delete it.
bool acceptAsCopy(QDropEvent &event)
{
    if (!(event.possibleActions() & Qt::CopyAction))
        return false;
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    // Refused, the pointer tells the user before the drop.
    if (!fileDroppedAt(*event) || !acceptAsCopy(*event))
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const std::optional<DroppedFile> file = fileDroppedAt(*event);
    if (!file || !acceptAsCopy(*event)) {
        event->ignore();
        return;
    }
    // Once the drop is over: the program it came from waits until then, and the file may
    // first ask about a modified document.
    QMetaObject::invokeMethod(
        this, [this, file = *file] { takeDroppedFile(file); }, Qt::QueuedConnection);
}

std::optional<DroppedFile> MainWindow::fileDroppedAt(const QDropEvent &event) const
{
    // What a drop would read or replace would land before or after the read under way.
    if (isReadingDocument() || !event.mimeData())
        return std::nullopt;
    std::optional<DroppedFile> file = DroppedFile::of(*event.mimeData());
    if (file && file->kind == DroppedFile::Kind::Picture &&
        !m_labelArea->rect().contains(m_labelArea->mapFrom(this, event.position().toPoint())))
        return std::nullopt;
    return file;
}

void MainWindow::takeDroppedFile(const DroppedFile &file)
{
    switch (file.kind) {
    case DroppedFile::Kind::Label:
        openAfterAsking(file.path);
        break;
    case DroppedFile::Kind::Picture:
        usePictureFile(file.path);
        break;
    }
}
