// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelDrawing.h"

#include "print/LabelOutline.h"

namespace {

// Where each zone's lines go, in mm from the label's origin.
struct ZonePlacement
{
    double top;
    double left;
    double rightEnd;
    double centre;
};

constexpr ZonePlacement Placements[3] = {
    {1, 18, 64, 43}, // right of the icon
    {16, 3, 64, 35},
    {38, 3, 64, 35},
};

constexpr double IconInset = 4;
constexpr double IconSize = 12;

double lineLeft(const ZonePlacement &place, qint16 alignment, double width)
{
    switch (alignment) {
    case AlignRight:
        return place.rightEnd - width;
    case AlignCentre:
        return place.centre - width / 2;
    default:
        return place.left;
    }
}

// A stored line after the first starts with the LF of the break before it; it has no width
// and is not printed.
QString withoutLeadingLineFeed(const QString &text)
{
    return text.startsWith(QLatin1Char('\n')) ? text.mid(1) : text;
}

void drawZone(PageSurface &surface, const LabelLines &split, int zone, const TextZone &z,
              const QPointF &origin, const QString &number)
{
    const ZonePlacement &place = Placements[zone - 1];
    const LabelLines::Lines &lines = split.zoneLines(zone);
    const int count = split.zoneLineCount(zone);

    surface.setScaleMillimetres();
    surface.setFont(z.FontName, z.FontSize, z.FontBold, z.FontItalic);
    surface.setTextColor(z.ForeColor);

    // A zone of one line is lowered by half a line; in a longer one the first line ends
    // with its CR, so the step is a whole line.
    const double step = surface.textHeight(lines[1]) / 2;
    double y = origin.y() + place.top;
    for (int k = 1; k <= count; ++k) {
        const QString text = k == count && !number.isEmpty() ? lines[k] + number : lines[k];
        const double x = origin.x() + lineLeft(place, z.Alignment, surface.textWidth(text));
        y += step;
        surface.setScaleMillimetres();
        surface.setCurrentPosition({x, y});
        surface.printText(withoutLeadingLineFeed(text));
    }
}

} // namespace

namespace LabelDrawing {

void drawLabel(PageSurface &surface, const LabelArtwork &artwork, const SheetLayout &layout,
               const QPointF &origin, const QString &number)
{
    surface.setScaleMillimetres();
    for (const LabelOutline::Stroke &stroke :
         LabelOutline::strokes(origin, layout.printFrame, layout.printCutOutline)) {
        surface.setLineStyle(stroke.style);
        surface.drawLine(stroke.line.p1(), stroke.line.p2(), 0);
    }
    const QPointF iconCorner = origin + QPointF(IconInset, IconInset);
    surface.setCurrentPosition(iconCorner);
    if (artwork.hasIcon)
        surface.drawPicture(artwork.picture, QRectF(iconCorner, QSizeF(IconSize, IconSize)));
    surface.setScaleMillimetres();
    surface.setTextArea(LabelOutline::cutOutline(origin));
    for (int zone = 1; zone <= 3; ++zone)
        drawZone(surface, artwork.lines, zone, artwork.zones[zone - 1], origin,
                 zone == 3 ? number : QString());
}

} // namespace LabelDrawing
