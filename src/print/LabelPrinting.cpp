// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelPrinting.h"

#include "label/NumberText.h"
#include "print/LabelDrawing.h"
#include "print/SheetGeometry.h"

#include <QCoreApplication>

namespace {

// The number the next label gets, after a numbered one: one past the largest disk number is
// a printer error, which cancels the document.
bool moveNumberOn(PageSurface &surface, LabelPrinting::PageEnd &page)
{
    if (page.nextDiskNumber == MaxDiskNumber) {
        surface.cancelDocument();
        return false;
    }
    ++page.nextDiskNumber;
    return true;
}

} // namespace

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
        if (!moveNumberOn(surface, page))
            return page;
    }
    surface.endDocument();
    page.ended = true;
    return page;
}

PageEnd drawListPage(PageSurface &surface, const PrintRequest &request, const LabelArtwork &artwork,
                     int pageIndex)
{
    const PrintRun &run = request.run;
    const LabelList &list = request.list;
    const SheetPart part = sheetPart(run.startPosition, list.count(), pageIndex);
    // Only a numbered list moves the number on: a long unnumbered one must not run out of
    // numbers it never prints.
    const int numbersBefore = run.autoNumbering ? part.firstLabel : 0;
    PageEnd page{false, run.nextDiskNumber + numbersBefore, run.labelOrigin};
    surface.setScaleMillimetres();
    for (int k = 0; k < part.labelCount; ++k) {
        const int i = part.firstLabel + k;
        page.labelOrigin =
            SheetGeometry::labelOrigin(part.firstPosition + k, request.layout.sheetSpacing);
        const std::optional<LabelArtwork> label =
            LabelArtwork::of(list.labelAt(i, artwork.document));
        if (!label) {
            surface.cancelDocument();
            return page;
        }
        LabelDrawing::drawLabel(
            surface, *label, request.layout, page.labelOrigin,
            run.autoNumbering ? numberSuffix(page.nextDiskNumber, run.numberingStyle, list.count())
                              : QString());
        if (run.autoNumbering && !moveNumberOn(surface, page))
            return page;
    }
    surface.endDocument();
    page.ended = true;
    return page;
}

int pageCount(const PrintRequest &request)
{
    if (request.run.mode != PrintMode::List)
        return 1;
    return listPageCount(request.run.startPosition, request.list.count());
}

int listPageCount(int startPosition, int count)
{
    if (count <= 0)
        return 0;
    const int usedSlots = startPosition - 1 + count;
    return (usedSlots + SheetGeometry::Positions - 1) / SheetGeometry::Positions;
}

SheetPart sheetPart(int startPosition, int count, int pageIndex)
{
    // Sheet slots count from position 1 of the first page; the labels start at their start
    // position's slot.
    const int firstSlot = pageIndex * SheetGeometry::Positions;
    const int skipped = startPosition - 1;
    const int first = qMax(0, firstSlot - skipped);
    const int end = qMin(count, firstSlot + SheetGeometry::Positions - skipped);
    return {first, qMax(0, end - first), skipped + first - firstSlot + 1};
}

PageEnd drawPrintPage(PageSurface &surface, const PrintRequest &request,
                      const LabelArtwork &artwork, int pageIndex)
{
    switch (request.run.mode) {
    case PrintMode::SingleLabel:
        return drawSingleLabel(surface, request, artwork);
    case PrintMode::List:
        return drawListPage(surface, request, artwork, pageIndex);
    case PrintMode::Run:
        break;
    }
    return drawRun(surface, request, artwork);
}

PrintRun carriedOn(PrintRun run, const PageEnd &page)
{
    run.nextDiskNumber = page.nextDiskNumber;
    run.labelOrigin = page.labelOrigin;
    return run;
}

QString numberSuffix(int diskNumber, const PrintRun &run)
{
    return numberSuffix(diskNumber, run.numberingStyle, run.copyCount);
}

QString numberSuffix(int diskNumber, NumberingStyle style, int total)
{
    QString suffix = QLatin1Char(' ') + NumberText::plain(double(diskNumber));
    if (style == NumberingStyle::NumberOfTotal)
        suffix += QLatin1Char('/') + NumberText::plain(double(total));
    return suffix;
}

QString printerErrorMessage()
{
    return QCoreApplication::translate("LabelPrinting", "Erreur sur l'imprimante !");
}

} // namespace LabelPrinting
