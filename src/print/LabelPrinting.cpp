// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelPrinting.h"

#include "label/NumberText.h"
#include "print/LabelDrawing.h"
#include "print/SheetGeometry.h"

#include <QCoreApplication>

namespace LabelPrinting {

PageEnd drawSingleLabel(PageSurface &surface, const PrintRequest &request,
                        const LabelArtwork &artwork)
{
    const PrintRun &run = request.run;
    LabelDrawing::drawLabel(surface, artwork, request.layout, run.labelOrigin);
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
            page.labelOrigin = SheetGeometry::labelOrigin(n, request.layout.sheetSpacing);
        }
        LabelDrawing::drawLabel(surface, artwork, request.layout, page.labelOrigin,
                                run.autoNumbering ? numberSuffix(page.nextDiskNumber, run)
                                                  : QString());
        // One past the largest disk number is a printer error.
        if (page.nextDiskNumber == MaxDiskNumber) {
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

QString numberSuffix(int diskNumber, const PrintRun &run)
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
