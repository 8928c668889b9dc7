#include "print/LabelOutput.h"

#include "print/LabelPrinting.h"
#include "print/PainterSurface.h"
#include "print/Printer.h"

namespace {

const QString JobTitle = QStringLiteral("Korvalin");

PageDrawer labelPageDrawer(Module1 &state, const LabelArtwork &artwork)
{
    return [&state, &artwork](PageCanvas &canvas) {
        PainterSurface surface(canvas.painter, canvas.dotsPerMm, canvas.printableOrigin);
        return LabelPrinting::drawPrintPage(surface, state, artwork);
    };
}

bool isEmptyRun(const Module1 &state)
{
    return state.PrintSingleMode != 1 && state.CopyCount <= 0;
}

} // namespace

namespace LabelOutput {

bool print(const Printer &printer, Module1 &state, const LabelArtwork &artwork)
{
    if (isEmptyRun(state))
        return true;
    return printPage(printer, labelPageDrawer(state, artwork), JobTitle);
}

PdfFileOutcome writePdf(const QString &path, Module1 &state, const LabelArtwork &artwork)
{
    return writePdfFile(path, PageGeometry::a4Portrait(), labelPageDrawer(state, artwork));
}

} // namespace LabelOutput
