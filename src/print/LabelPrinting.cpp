#include "print/LabelPrinting.h"

#include "label/NumberText.h"
#include "print/LabelDrawing.h"
#include "print/SheetGeometry.h"

#include <limits>

namespace {

QPointF origins(const Module1 &state)
{
    return {state.LabelOrigins[0], state.LabelOrigins[1]};
}

} // namespace

namespace LabelPrinting {

bool drawSingleLabel(PageSurface &surface, Module1 &state, const LabelArtwork &artwork)
{
    LabelDrawing::drawLabel(surface, state, artwork, origins(state));
    surface.endDocument();
    return true;
}

bool drawRun(PageSurface &surface, Module1 &state, const LabelArtwork &artwork)
{
    surface.setScaleMillimetres();
    for (int n = state.StartLabel; n < state.StartLabel + state.CopyCount; ++n) {
        // Positions past the sheet reuse the origin of the last one inside it.
        if (n >= 1 && n <= SheetGeometry::Positions) {
            const QPointF origin = SheetGeometry::labelOrigin(n, state.SheetSpacing);
            state.LabelOrigins = {origin.x(), origin.y()};
        }
        LabelDrawing::drawLabel(surface, state, artwork, origins(state),
                                state.AutoIncrement ? numberSuffix(state) : QString());
        // The disk number counts in 16 bits: one past the largest is a printer error.
        if (state.DiskNumber == std::numeric_limits<qint16>::max()) {
            surface.cancelDocument();
            return false;
        }
        ++state.DiskNumber;
    }
    surface.endDocument();
    return true;
}

bool drawPrintPage(PageSurface &surface, Module1 &state, const LabelArtwork &artwork)
{
    return state.PrintSingleMode == 1 ? drawSingleLabel(surface, state, artwork)
                                      : drawRun(surface, state, artwork);
}

QString numberSuffix(const Module1 &state)
{
    QString suffix = QLatin1Char(' ') + NumberText::plain(double(state.DiskNumber));
    if (state.NumberingStyle == 2)
        suffix += QLatin1Char('/') + NumberText::plain(double(state.CopyCount));
    return suffix;
}

QString printerErrorMessage()
{
    return QStringLiteral("Erreur sur l'imprimante !");
}

} // namespace LabelPrinting
