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

PageEnd drawSingleLabel(PageSurface &surface, const ProgramState &state,
                        const LabelArtwork &artwork)
{
    LabelDrawing::drawLabel(surface, state, artwork, toPoint(state.labelOrigin));
    surface.endDocument();
    return {true, state.nextDiskNumber, state.labelOrigin};
}

PageEnd drawRun(PageSurface &surface, const ProgramState &state, const LabelArtwork &artwork)
{
    PageEnd page{false, state.nextDiskNumber, state.labelOrigin};
    surface.setScaleMillimetres();
    for (int n = state.startPosition; n < state.startPosition + state.copyCount; ++n) {
        // Positions past the sheet reuse the origin of the last one inside it.
        if (n >= 1 && n <= SheetGeometry::Positions) {
            const QPointF origin = SheetGeometry::labelOrigin(n, state.sheetSpacing);
            page.labelOrigin = {origin.x(), origin.y()};
        }
        LabelDrawing::drawLabel(surface, state, artwork, toPoint(page.labelOrigin),
                                state.autoNumbering ? numberSuffix(page.nextDiskNumber, state)
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

bool drawPrintPage(PageSurface &surface, ProgramState &state, const LabelArtwork &artwork)
{
    const PageEnd page = state.printMode == PrintMode::SingleLabel
                             ? drawSingleLabel(surface, state, artwork)
                             : drawRun(surface, state, artwork);
    state.nextDiskNumber = page.nextDiskNumber;
    state.labelOrigin = page.labelOrigin;
    return page.ended;
}

QString numberSuffix(qint16 diskNumber, const ProgramState &run)
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
