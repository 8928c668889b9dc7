// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the image viewer on a real display: its opening, the first names of a folder of
// 10,000 files (and how long the window stops answering meanwhile), and a 24-megapixel
// JPEG from the click to its painting. Run by measure-viewer.py, which prints the medians.
#include "windows/shared/PictureBox.h"
#include "windows/viewer/FileList.h"
#include "windows/viewer/ImageViewer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTextStream>
#include <QTimer>
#include <QWindow>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int ManyFiles = 10000;

// Runs the event loop until done() holds; the longest gap between two turns of a 1 ms
// timer tells how long the window stopped answering.
struct Loop
{
    qint64 longestStallMs = 0;

    void until(const std::function<bool()> &done)
    {
        QElapsedTimer sinceLastTurn;
        sinceLastTurn.start();
        QTimer beat;
        QObject::connect(&beat, &QTimer::timeout,
                         [&] { longestStallMs = qMax(longestStallMs, sinceLastTurn.restart()); });
        beat.start(1);
        while (!done())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
};

// Paint events seen by a widget, so that a picture counts once it is on the screen.
struct PaintCounter : QObject
{
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void makeManyFiles(const QString &folder)
{
    QDir().mkpath(folder);
    if (QDir(folder).count() >= ManyFiles)
        return;
    for (int index = 0; index < ManyFiles; ++index) {
        QFile file(folder + u"/image%1.bmp"_s.arg(index, 5, 10, QLatin1Char('0')));
        file.open(QIODevice::WriteOnly);
    }
}

void makePhotograph(const QString &path)
{
    if (QFile::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x / 24) % 256, (y / 16) % 256, int(noise.bounded(64)) + (x ^ y) % 192);
    }
    image.save(path, "JPG", 90);
}

qint64 openViewer(ViewerMemory &memory, const QString &programFolder,
                  std::unique_ptr<ImageViewer> &viewer)
{
    QElapsedTimer clock;
    clock.start();
    viewer = std::make_unique<ImageViewer>(memory, programFolder);
    viewer->show();
    Loop().until([&] { return viewer->windowHandle() && viewer->windowHandle()->isExposed(); });
    return clock.elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString data = app.arguments().value(1, QDir::tempPath() + u"/viewer"_s);
    const QString many = data + u"/10000"_s;
    const QString photo = data + u"/photo/photo.jpg"_s;
    makeManyFiles(many);
    makePhotograph(photo);
    QTextStream out(stdout);

    // Opening: the program's own folder, a handful of files.
    ViewerMemory memory;
    const QString photoFolder = QFileInfo(photo).absolutePath();
    std::unique_ptr<ImageViewer> viewer;
    const qint64 openMs = openViewer(memory, photoFolder, viewer);
    auto *files = viewer->findChild<FileList *>(u"fileList"_s);
    QElapsedTimer clock;
    clock.start();
    Loop().until([&] { return files->folder() == photoFolder; });

    // The photograph, from the choice of its name to its painting.
    files->setPattern(u"*.jpg"_s);
    Loop().until([&] { return files->names().size() == 1; });
    auto *large = viewer->findChild<PictureBox *>(u"largePicture"_s);
    PaintCounter painted;
    large->installEventFilter(&painted);
    Loop pictureLoop;
    clock.restart();
    files->setCurrentIndex(files->model()->index(0, 0, files->rootIndex()));
    pictureLoop.until([&] { return !large->picture().isNull() && painted.paints > 0; });
    const qint64 photoMs = clock.elapsed();
    viewer.reset();

    // A folder of 10,000 files as the program's own.
    Loop listing;
    clock.restart();
    viewer = std::make_unique<ImageViewer>(memory, many);
    viewer->show();
    files = viewer->findChild<FileList *>(u"fileList"_s);
    listing.until([&] { return !files->names().isEmpty(); });
    const qint64 firstMs = clock.elapsed();
    listing.until([&] { return files->names().size() == ManyFiles; });
    const qint64 allMs = clock.elapsed();

    out << "open " << openMs << " first " << firstMs << " all " << allMs << " stall "
        << listing.longestStallMs << " photo " << photoMs << " photostall "
        << pictureLoop.longestStallMs << Qt::endl;
    return 0;
}
