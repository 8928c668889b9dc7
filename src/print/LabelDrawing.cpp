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

constexpr PerZone<ZonePlacement> Placements{{{
    {1, 18, 64, 43}, // right of the icon
    {16, 3, 64, 35},
    {38, 3, 64, 35},
}}};

constexpr double IconInset = 4;
constexpr double IconSize = 12;

double lineLeft(const ZonePlacement &place, ZoneAlignment alignment, double width)
{
    switch (alignment) {
    case ZoneAlignment::Right:
        return place.rightEnd - width;
    case ZoneAlignment::Centre:
        return place.centre - width / 2;
    case ZoneAlignment::Left:
        break;
    }
    return place.left;
}

void drawZone(PageSurface &surface, const QStringList &lines, const ZonePlacement &place,
              const ZoneStyle &style, const QPointF &origin, const QString &number)
{
    surface.setScaleMillimetres();
    surface.setFont(style.fontFamily, style.pointSize, style.bold, style.italic);
    surface.setTextColor(style.color);

    // A zone of one line is lowered by half a line, a longer one by a whole line: its first
    // line and the break after it stand two lines high.
    const QString firstLine = lines.size() > 1 ? lines.first() + QLatin1Char('\r') : lines.first();
    const double step = surface.textHeight(firstLine) / 2;
    double y = origin.y() + place.top;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QString text = k == lines.size() - 1 ? lines[k] + number : lines[k];
        const double x = origin.x() + lineLeft(place, style.alignment, surface.textWidth(text));
        y += step;
        surface.setScaleMillimetres();
        surface.setCurrentPosition({x, y});
        surface.printText(text);
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
    const LabelPicture &picture = artwork.document.picture;
    if (!picture.isNone())
        surface.drawPicture(picture.decoded, QRectF(iconCorner, QSizeF(IconSize, IconSize)));
    surface.setScaleMillimetres();
    surface.setTextArea(LabelOutline::cutOutline(origin));
    for (ZoneId zone : AllZones)
        drawZone(surface, artwork.lines[zone], Placements[zone], artwork.document.zones[zone].style,
                 origin, zone == ZoneId::Third ? number : QString());
}

} // namespace LabelDrawing
