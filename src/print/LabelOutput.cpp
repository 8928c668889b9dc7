// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelOutput.h"

#include "print/JobPages.h"
#include "print/LabelPlacement.h"
#include "print/LabelPrinting.h"
#include "print/PainterSurface.h"
#include "print/Printer.h"

namespace {

const QString JobTitle = QStringLiteral("Korvalin");

PageDrawer labelPageDrawer(const PrintRequest &request, const LabelArtwork &artwork,
                           PrintRun &runAfter)
{
    return [&request, &artwork, &runAfter](PageCanvas &canvas) {
        PainterSurface surface(canvas.painter, canvas.dotsPerMm, canvas.printableOrigin);
        const LabelPrinting::PageEnd page = JobPages::draw(surface, request, artwork, 0);
        runAfter = LabelPrinting::carriedOn(request.run, page);
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

PrintOutcome print(const Printer &printer, const PrintRequest &request, const LabelArtwork &artwork)
{
    PrintRun after = request.run;
    if (isEmptyRun(request.run))
        return PrintOutcome::printed(true, after);
    const PageDrawer draw = labelPageDrawer(request, artwork, after);
    // The printable area is known once the destination is asked, just before the page.
    std::optional<QString> offPage;
    const bool printed = printer.printPdf(
        [&](const PageGeometry &page) -> std::optional<QByteArray> {
            offPage = LabelPlacement::offPageProblem(request, page.printableAreaMm.size());
            if (offPage)
                return std::nullopt;
            return renderPdf(page, draw, JobTitle);
        },
        JobTitle);
    if (offPage)
        return PrintOutcome::offPage(*offPage, request.run);
    return PrintOutcome::printed(printed, after);
}

PrintOutcome writePdf(const QString &path, const PrintRequest &request, const LabelArtwork &artwork,
                      const PageGeometry &page)
{
    if (const std::optional<QString> offPage =
            LabelPlacement::offPageProblem(request, page.printableAreaMm.size()))
        return PrintOutcome::offPage(*offPage, request.run);
    PrintRun after = request.run;
    const PdfFileOutcome written =
        writePdfFile(path, page, labelPageDrawer(request, artwork, after));
    return PrintOutcome::written(written, after);
}

} // namespace LabelOutput
