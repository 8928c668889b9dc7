// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageSurface.h"

#include <QColor>
#include <QLineF>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QVector>
#include <array>

// The two outlines a label may carry, the same on paper and in the preview: the frame, a
// solid rectangle just inside the label's edge, and the cut outline on the edge itself,
// dash-dot so that it reads as a line to cut along rather than as part of the design.
namespace LabelOutline {

inline constexpr double FrameInsetMm = 2;

// A printer's dash-dot, in millimetres: dash, gap, dot, gap.
inline constexpr std::array<double, 4> DashDotMm{1.6, 0.6, 0.3, 0.6};

// One side of an outline and the style it is drawn in.
struct Stroke
{
    QLineF line;
    PageSurface::LineStyle style;
};

// The label's own edge and the frame, for a label whose top-left corner is at origin (mm).
QRectF cutOutline(const QPointF &origin);
QRectF frame(const QPointF &origin);

// The four sides as separate lines, in the order they are drawn: top, right, bottom, left.
// Each side starts its own dash pattern, so every corner of a dash-dot outline is marked.
std::array<QLineF, 4> sides(const QRectF &rectangle);

// The sides of the outlines asked for, as the page and the preview draw them: the frame's
// first, solid, then the cut outline's, dash-dot.
QVector<Stroke> strokes(const QPointF &origin, bool frame, bool cutOutline);

// The thinnest pen the device draws, in that style; a cosmetic pen counts its dashes in
// device units, so DashDotMm is scaled to them.
QPen pen(PageSurface::LineStyle style, const QColor &color, double deviceUnitsPerMm);

} // namespace LabelOutline
