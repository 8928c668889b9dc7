// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelOutput.h"

#include "print/LabelPrinting.h"
#include "print/PainterSurface.h"
#include "print/Printer.h"

namespace {

const QString JobTitle = QStringLiteral("Korvalin");

PageDrawer labelPageDrawer(ProgramState &state, const LabelArtwork &artwork)
{
    return [&state, &artwork](PageCanvas &canvas) {
        PainterSurface surface(canvas.painter, canvas.dotsPerMm, canvas.printableOrigin);
        return LabelPrinting::drawPrintPage(surface, state, artwork);
    };
}

// Closing the print settings window through its frame goes on to the confirmation with
// whatever its boxes hold, an emptied count included: such a run must not waste a sheet.
bool isEmptyRun(const ProgramState &state)
{
    return state.printMode != PrintMode::SingleLabel && state.copyCount <= 0;
}

} // namespace

namespace LabelOutput {

bool print(const Printer &printer, ProgramState &state, const LabelArtwork &artwork)
{
    if (isEmptyRun(state))
        return true;
    return printPage(printer, labelPageDrawer(state, artwork), JobTitle);
}

PdfFileOutcome writePdf(const QString &path, ProgramState &state, const LabelArtwork &artwork,
                        const PageGeometry &page)
{
    return writePdfFile(path, page, labelPageDrawer(state, artwork));
}

} // namespace LabelOutput
