// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelOutline.h"

#include "print/SheetGeometry.h"

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

QVector<qreal> dashDotPattern(double deviceUnitsPerMm)
{
    QVector<qreal> pattern;
    for (double mm : DashDotMm)
        pattern.append(mm * deviceUnitsPerMm);
    return pattern;
}

} // namespace LabelOutline
