// The image viewer's chosen file: its path, and its picture read off the window's thread.
#include "windows/VisuIMG.h"

#include "label/Module1.h"
#include "platform/widgets/MsgBox.h"
#include "windows/BackgroundTask.h"
#include "windows/FileList.h"
#include "windows/PictureBox.h"
#include "windows/PictureMessages.h"
#include "windows/ShownPicture.h"

#include <QPushButton>
#include <utility>

void VisuIMG::File1_Click(const QString &name)
{
    Command2->setEnabled(true);
    // The path as listed: on a file system where case matters, another case names no file.
    const QString path = AddBackslash(File1->folder()) + name;
    setPathCaption(path);
    requestPicture(path);
}

void VisuIMG::requestPicture(const QString &path)
{
    m_chosenPath = path;
    if (m_loading)
        m_waitingPath = path;
    else
        startLoading(path);
}

void VisuIMG::startLoading(const QString &path)
{
    m_loading = true;
    if (!m_busy)
        m_busy = std::make_unique<BusyPointer>();
    const QSize boxPixels = Open->size() * Open->devicePixelRatioF();
    runInBackground(
        this, [path, boxPixels] { return ShownPicture::load(path, boxPixels); },
        [this, path](const std::optional<Picture> &picture) { pictureLoaded(path, picture); });
}

void VisuIMG::pictureLoaded(const QString &path, const std::optional<Picture> &picture)
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
    if (!picture) {
        MsgBoxError(unsupportedPictureMessage());
        return;
    }
    Open->setPicture(*picture);
    Image1->setPicture(*picture);
}

void VisuIMG::clearPictures()
{
    m_chosenPath.clear();
    m_waitingPath.reset();
    Open->setPicture(Picture());
    Image1->setPicture(Picture());
}
