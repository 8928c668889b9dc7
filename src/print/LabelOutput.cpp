// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelOutput.h"

#include "print/LabelPrinting.h"
#include "print/PainterSurface.h"
#include "print/Printer.h"

namespace {

const QString JobTitle = QStringLiteral("Korvalin");

PageDrawer labelPageDrawer(const PrintRequest &request, const LabelArtwork &artwork,
                           PrintRun *runAfter)
{
    return [&request, &artwork, runAfter](PageCanvas &canvas) {
        PainterSurface surface(canvas.painter, canvas.dotsPerMm, canvas.printableOrigin);
        const LabelPrinting::PageEnd page = LabelPrinting::drawPrintPage(surface, request, artwork);
        if (runAfter)
            *runAfter = LabelPrinting::carriedOn(request.run, page);
        return page.ended;
    };
}

// Closing the print settings window through its frame goes on to the confirmation with
// whatever its boxes hold, an emptied count included: such a run must not waste a sheet.
bool isEmptyRun(const PrintRun &run)
{
    return run.mode != PrintMode::SingleLabel && run.copyCount <= 0;
}

} // namespace

namespace LabelOutput {

bool print(const Printer &printer, const PrintRequest &request, const LabelArtwork &artwork,
           PrintRun *runAfter)
{
    if (isEmptyRun(request.run))
        return true;
    return printPage(printer, labelPageDrawer(request, artwork, runAfter), JobTitle);
}

PdfFileOutcome writePdf(const QString &path, const PrintRequest &request,
                        const LabelArtwork &artwork, const PageGeometry &page, PrintRun *runAfter)
{
    return writePdfFile(path, page, labelPageDrawer(request, artwork, runAfter));
}

} // namespace LabelOutput
