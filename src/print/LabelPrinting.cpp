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

QPointF origins(const ProgramState &state)
{
    return {state.labelOrigin[0], state.labelOrigin[1]};
}

} // namespace

namespace LabelPrinting {

bool drawSingleLabel(PageSurface &surface, ProgramState &state, const LabelArtwork &artwork)
{
    LabelDrawing::drawLabel(surface, state, artwork, origins(state));
    surface.endDocument();
    return true;
}

bool drawRun(PageSurface &surface, ProgramState &state, const LabelArtwork &artwork)
{
    surface.setScaleMillimetres();
    for (int n = state.startPosition; n < state.startPosition + state.copyCount; ++n) {
        // Positions past the sheet reuse the origin of the last one inside it.
        if (n >= 1 && n <= SheetGeometry::Positions) {
            const QPointF origin = SheetGeometry::labelOrigin(n, state.sheetSpacing);
            state.labelOrigin = {origin.x(), origin.y()};
        }
        LabelDrawing::drawLabel(surface, state, artwork, origins(state),
                                state.autoNumbering ? numberSuffix(state) : QString());
        // The disk number counts in 16 bits: one past the largest is a printer error.
        if (state.nextDiskNumber == std::numeric_limits<qint16>::max()) {
            surface.cancelDocument();
            return false;
        }
        ++state.nextDiskNumber;
    }
    surface.endDocument();
    return true;
}

bool drawPrintPage(PageSurface &surface, ProgramState &state, const LabelArtwork &artwork)
{
    return state.printMode == PrintMode::SingleLabel ? drawSingleLabel(surface, state, artwork)
                                                     : drawRun(surface, state, artwork);
}

QString numberSuffix(const ProgramState &state)
{
    QString suffix = QLatin1Char(' ') + NumberText::plain(double(state.nextDiskNumber));
    if (state.numberingStyle == NumberingStyle::NumberOfTotal)
        suffix += QLatin1Char('/') + NumberText::plain(double(state.copyCount));
    return suffix;
}

QString printerErrorMessage()
{
    return QCoreApplication::translate("LabelPrinting", "Erreur sur l'imprimante !");
}

} // namespace LabelPrinting
