// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelPrinting.h"

#include "label/NumberText.h"
#include "print/LabelDrawing.h"
#include "print/SheetGeometry.h"

#include <QCoreApplication>
#include <limits>

namespace {

QPointF toPoint(const std::array<double, 2> &origin)
{
    return {origin[0], origin[1]};
}

} // namespace

namespace LabelPrinting {

PageEnd drawSingleLabel(PageSurface &surface, const PrintRequest &request,
                        const LabelArtwork &artwork)
{
    const PrintRun &run = request.run;
    LabelDrawing::drawLabel(surface, artwork, request.layout, toPoint(run.labelOrigin));
    surface.endDocument();
    return {true, run.nextDiskNumber, run.labelOrigin};
}

PageEnd drawRun(PageSurface &surface, const PrintRequest &request, const LabelArtwork &artwork)
{
    const PrintRun &run = request.run;
    PageEnd page{false, run.nextDiskNumber, run.labelOrigin};
    surface.setScaleMillimetres();
    for (int n = run.startPosition; n < run.startPosition + run.copyCount; ++n) {
        // Positions past the sheet reuse the origin of the last one inside it.
        if (n >= 1 && n <= SheetGeometry::Positions) {
            const QPointF origin = SheetGeometry::labelOrigin(n, request.layout.sheetSpacing);
            page.labelOrigin = {origin.x(), origin.y()};
        }
        LabelDrawing::drawLabel(surface, artwork, request.layout, toPoint(page.labelOrigin),
                                run.autoNumbering ? numberSuffix(page.nextDiskNumber, run)
                                                  : QString());
        // The disk number counts in 16 bits: one past the largest is a printer error.
        if (page.nextDiskNumber == std::numeric_limits<qint16>::max()) {
            surface.cancelDocument();
            return page;
        }
        ++page.nextDiskNumber;
    }
    surface.endDocument();
    page.ended = true;
    return page;
}

PageEnd drawPrintPage(PageSurface &surface, const PrintRequest &request,
                      const LabelArtwork &artwork)
{
    return request.run.mode == PrintMode::SingleLabel ? drawSingleLabel(surface, request, artwork)
                                                      : drawRun(surface, request, artwork);
}

PrintRun carriedOn(PrintRun run, const PageEnd &page)
{
    run.nextDiskNumber = page.nextDiskNumber;
    run.labelOrigin = page.labelOrigin;
    return run;
}

QString numberSuffix(qint16 diskNumber, const PrintRun &run)
{
    QString suffix = QLatin1Char(' ') + NumberText::plain(double(diskNumber));
    if (run.numberingStyle == NumberingStyle::NumberOfTotal)
        suffix += QLatin1Char('/') + NumberText::plain(double(run.copyCount));
    return suffix;
}

QString printerErrorMessage()
{
    return QCoreApplication::translate("LabelPrinting", "Erreur sur l'imprimante !");
}

} // namespace LabelPrinting
