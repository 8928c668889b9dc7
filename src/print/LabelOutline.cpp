// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelOutline.h"

#include "print/SheetGeometry.h"

namespace {

void appendSides(QVector<LabelOutline::Stroke> &strokes, const QRectF &rectangle,
                 PageSurface::LineStyle style)
{
    for (const QLineF &side : LabelOutline::sides(rectangle))
        strokes.append({side, style});
}

} // namespace

namespace LabelOutline {

QRectF cutOutline(const QPointF &origin)
{
    return {origin, QSizeF(SheetGeometry::LabelWidth, SheetGeometry::LabelHeight)};
}

QRectF frame(const QPointF &origin)
{
    return cutOutline(origin).adjusted(FrameInsetMm, FrameInsetMm, -FrameInsetMm, -FrameInsetMm);
}

std::array<QLineF, 4> sides(const QRectF &r)
{
    return {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
            QLineF(r.bottomRight(), r.bottomLeft()), QLineF(r.topLeft(), r.bottomLeft())};
}

QVector<Stroke> strokes(const QPointF &origin, bool frame, bool cutOutline)
{
    QVector<Stroke> drawn;
    if (frame)
        appendSides(drawn, LabelOutline::frame(origin), PageSurface::LineStyle::Solid);
    if (cutOutline)
        appendSides(drawn, LabelOutline::cutOutline(origin), PageSurface::LineStyle::DashDot);
    return drawn;
}

QPen pen(PageSurface::LineStyle style, const QColor &color, double deviceUnitsPerMm)
{
    // Width 0 is the thinnest line the device draws, whatever the scale.
    QPen thinnest(color, 0);
    if (style == PageSurface::LineStyle::DashDot) {
        QVector<qreal> pattern;
        for (double mm : DashDotMm)
            pattern.append(mm * deviceUnitsPerMm);
        thinnest.setDashPattern(pattern);
    }
    return thinnest;
}

} // namespace LabelOutline
