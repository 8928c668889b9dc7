// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelDrawing.h"

#include "print/LabelOutline.h"
#include "print/LineBreaks.h"
#include "print/SheetGeometry.h"

#include <algorithm>

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

// The widest line that, placed by the alignment, stays within the label.
double room(const ZonePlacement &place, ZoneAlignment alignment)
{
    switch (alignment) {
    case ZoneAlignment::Right:
        return place.rightEnd;
    case ZoneAlignment::Centre:
        return 2 * std::min(place.centre, SheetGeometry::LabelWidth - place.centre);
    case ZoneAlignment::Left:
        break;
    }
    return SheetGeometry::LabelWidth - place.left;
}

void printLine(PageSurface &surface, const QString &text, const QPointF &at)
{
    surface.setScaleMillimetres();
    surface.setCurrentPosition(at);
    surface.printText(text);
}

void drawZone(PageSurface &surface, const QStringList &lines, const ZonePlacement &place,
              const ZoneStyle &style, const QPointF &origin, const QString &number)
{
    surface.setScaleMillimetres();
    surface.setFont(style.fontFamily, style.pointSize, style.bold, style.italic);
    surface.setTextColor(style.color);

    // A zone of one line is lowered by half a line, a longer one by a whole line: its first
    // line and the break after it stand two lines high. The lines a broken line makes follow
    // a whole line apart.
    const QString firstLine = lines.size() > 1 ? lines.first() + QLatin1Char('\r') : lines.first();
    double step = surface.textHeight(firstLine) / 2;
    const double lineStep = surface.textHeight(QString());
    const double labelLeft = origin.x(), labelRight = origin.x() + SheetGeometry::LabelWidth;
    const double labelBottom = origin.y() + SheetGeometry::LabelHeight;
    const LineBreaks::Measure width = [&surface](const QString &text) {
        return surface.textWidth(text);
    };
    // Fonts too large for the device's metrics report no sensible height: nothing of them
    // would land on the label.
    if (!(lineStep > 0))
        return;
    double y = origin.y() + place.top;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        QString text = k == lines.size() - 1 ? lines[k] + number : lines[k];
        // A line that would reach a neighbouring label is broken as the window wraps it;
        // what falls below the label is cut at its edge.
        for (;;) {
            y += step;
            step = lineStep;
            if (y >= labelBottom)
                return;
            const bool mayFit = text.size() <= LineBreaks::LongestFittingLine;
            const double textWidth = mayFit ? width(text) : 0;
            const double x = origin.x() + lineLeft(place, style.alignment, textWidth);
            if (mayFit && x >= labelLeft && x + textWidth <= labelRight) {
                printLine(surface, text, {x, y});
                break;
            }
            const LineBreaks::Split split =
                LineBreaks::firstLine(text, room(place, style.alignment), width);
            printLine(surface, split.line,
                      {origin.x() + lineLeft(place, style.alignment, width(split.line)), y});
            text = split.rest;
            if (text.isEmpty())
                break;
        }
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
