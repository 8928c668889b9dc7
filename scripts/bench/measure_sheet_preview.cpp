// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the whole-sheet preview on a real display: from the command to its page on the
// screen, for a full sheet of numbered labels with the example label's picture, and a page
// turn: showing a page drawn ahead, and drawing one that was not. Prints the medians, in ms.
// Usage: measure_sheet_preview [LABEL.eti] [RUNS]
#include "platform/LabelLoader.h"
#include "print/PageGeometry.h"
#include "windows/preview/SheetPageImage.h"
#include "windows/preview/SheetPreviewDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

double median(QList<qint64> times)
{
    std::sort(times.begin(), times.end());
    return times.isEmpty() ? 0 : double(times.at(times.size() / 2));
}

LabelArtwork artworkOf(const QString &path)
{
    if (!path.isEmpty()) {
        if (const std::optional<LabelLoader::Loaded> loaded = LabelLoader::load(path))
            return *LabelArtwork::of(loaded->document);
    }
    return *LabelArtwork::of(LabelDocument::startUp());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const LabelArtwork artwork = artworkOf(app.arguments().value(1));
    const int runs = app.arguments().value(2, u"15"_s).toInt();
    PrintRequest request;
    request.run.autoNumbering = true;
    request.run.numberingStyle = NumberingStyle::NumberOfTotal;

    QList<qint64> toScreen, turnDrawnAhead, drawPage;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        SheetPreviewDialog preview(artwork, request);
        bool shown = false;
        QObject::connect(&preview, &SheetPreviewDialog::pageShown, [&] { shown = true; });
        preview.setPage(PageGeometry::a4Portrait());
        preview.show();
        while (!shown)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        toScreen.append(clock.elapsed());

        // A turn to a page drawn ahead: the job has one page, shown again from what is kept.
        shown = false;
        clock.restart();
        preview.showPage(0);
        QCoreApplication::processEvents();
        turnDrawnAhead.append(shown ? clock.elapsed() : -1);

        // A turn to a page not drawn ahead costs the drawing at the window's scale.
        const double pixelsPerMm = preview.height() / 297.0;
        clock.restart();
        SheetPageImage::render(PageGeometry::a4Portrait(), request, artwork, 0, pixelsPerMm);
        drawPage.append(clock.nsecsElapsed() / 1000);
    }
    QTextStream(stdout) << "to screen " << median(toScreen) << " ms\n"
                        << "page turn, drawn ahead " << median(turnDrawnAhead) << " ms\n"
                        << "page turn, drawn on demand " << median(drawPage) / 1000 << " ms\n";
    return 0;
}
