// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf/WmfPathCut.h"

#include <QLineF>
#include <QPolygonF>
#include <array>
#include <cmath>

namespace {

// Halving a curve this many times brings any curve the 16-bit coordinates of a metafile can
// describe, at any scale a page takes, down to pieces that are flat enough.
constexpr int MaxCurveDepth = 24;
// A shape never needs more pieces than this near the area to look smooth; past it, curves are
// taken as their control polygons, which only an absurd shape would show.
constexpr int MaxCurvePieces = 4096;

// Unlike QRectF::intersects, true for flat rectangles too (a horizontal line's bounds).
bool overlaps(const QRectF &a, const QRectF &b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
           b.top() <= a.bottom();
}

QRectF boundsOf(const std::array<QPointF, 4> &points)
{
    qreal left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (const QPointF &p : points) {
        left = qMin(left, p.x());
        right = qMax(right, p.x());
        top = qMin(top, p.y());
        bottom = qMax(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

qreal distanceToLine(const QPointF &point, const QPointF &from, const QPointF &to)
{
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    if (qFuzzyIsNull(length))
        return QLineF(point, from).length();
    return qAbs(d.x() * (point.y() - from.y()) - d.y() * (point.x() - from.x())) / length;
}

// Appends the curve after its start point. A part of the curve whose control points all lie
// outside keep is replaced by its control polygon: both stay within the bounds of those
// points, so nothing changes inside keep, for a fill as for a line.
struct Flattening
{
    QRectF keep;
    qreal tolerance;
    int piecesLeft = MaxCurvePieces;
};

void flattenCubic(const std::array<QPointF, 4> &c, Flattening &f, int depth, QPolygonF &out)
{
    if (f.piecesLeft <= 0 || !overlaps(boundsOf(c), f.keep)) {
        out << c[1] << c[2] << c[3];
        return;
    }
    if (depth == 0 || (distanceToLine(c[1], c[0], c[3]) <= f.tolerance &&
                       distanceToLine(c[2], c[0], c[3]) <= f.tolerance)) {
        --f.piecesLeft;
        out << c[3];
        return;
    }
    const QPointF ab = (c[0] + c[1]) / 2, bc = (c[1] + c[2]) / 2, cd = (c[2] + c[3]) / 2;
    const QPointF abc = (ab + bc) / 2, bcd = (bc + cd) / 2, middle = (abc + bcd) / 2;
    flattenCubic({c[0], ab, abc, middle}, f, depth - 1, out);
    flattenCubic({middle, bcd, cd, c[3]}, f, depth - 1, out);
}

// The subpaths of path as polygons; a closed subpath ends on its first point.
QVector<QPolygonF> flatten(const QPainterPath &path, const QRectF &keep, qreal tolerance,
                           qint64 &work)
{
    QVector<QPolygonF> polygons;
    Flattening flattening{keep, tolerance};
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo() || polygons.isEmpty()) {
            polygons.append(QPolygonF());
            polygons.last() << QPointF(e);
        } else if (e.isLineTo()) {
            polygons.last() << QPointF(e);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPointF start = polygons.last().constLast();
            flattenCubic(
                {start, QPointF(e), QPointF(path.elementAt(i + 1)), QPointF(path.elementAt(i + 2))},
                flattening, MaxCurveDepth, polygons.last());
            i += 2;
        }
    }
    work += path.elementCount() + MaxCurvePieces - flattening.piecesLeft;
    return polygons;
}

// One edge of the area, as the half-plane on its inner side.
struct Edge
{
    int axis; // 0: x, 1: y
    qreal bound;
    bool keepBelow; // inside is coordinate <= bound

    qreal coordinate(const QPointF &p) const { return axis == 0 ? p.x() : p.y(); }
    bool inside(const QPointF &p) const
    {
        return keepBelow ? coordinate(p) <= bound : coordinate(p) >= bound;
    }
    QPointF crossing(const QPointF &a, const QPointF &b) const
    {
        const qreal t = (bound - coordinate(a)) / (coordinate(b) - coordinate(a));
        return a + (b - a) * t;
    }
};

// Sutherland and Hodgman: the parts of a closed polygon outside one edge are moved onto the
// edge, which keeps the winding number of every point inside.
QPolygonF clipToEdge(const QPolygonF &polygon, const Edge &edge)
{
    QPolygonF result;
    result.reserve(polygon.size() + 4);
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF &current = polygon.at(i);
        const QPointF &previous = polygon.at((i + polygon.size() - 1) % polygon.size());
        const bool currentIn = edge.inside(current);
        if (currentIn != edge.inside(previous))
            result << edge.crossing(previous, current);
        if (currentIn)
            result << current;
    }
    return result;
}

// Liang and Barsky: the part of the segment inside area, if any.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &area)
{
    qreal t0 = 0, t1 = 1;
    const QPointF d = b - a;
    const std::array<qreal, 4> p{-d.x(), d.x(), -d.y(), d.y()};
    const std::array<qreal, 4> q{a.x() - area.left(), area.right() - a.x(), a.y() - area.top(),
                                 area.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const qreal t = q[i] / p[i];
        if (p[i] < 0)
            t0 = qMax(t0, t);
        else
            t1 = qMin(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + d * t0;
    b = start + d * t1;
    return true;
}

bool enclosed(const QRectF &area, const QPolygonF &polygon)
{
    const QRectF bounds = polygon.boundingRect();
    return bounds.left() >= area.left() && bounds.right() <= area.right() &&
           bounds.top() >= area.top() && bounds.bottom() <= area.bottom();
}

} // namespace

namespace WmfPathCut {

QPainterPath fillWithin(const QPainterPath &path, const QRectF &area, qreal tolerance, qint64 &work)
{
    const std::array<Edge, 4> edges{Edge{0, area.left(), false}, Edge{0, area.right(), true},
                                    Edge{1, area.top(), false}, Edge{1, area.bottom(), true}};
    QPainterPath result;
    result.setFillRule(path.fillRule());
    for (QPolygonF polygon : flatten(path, area, tolerance, work)) {
        for (const Edge &edge : edges) {
            if (polygon.isEmpty())
                break;
            work += polygon.size();
            polygon = clipToEdge(polygon, edge);
        }
        if (polygon.size() >= 3) {
            result.addPolygon(polygon);
            result.closeSubpath();
        }
    }
    return result;
}

QPainterPath linesWithin(const QPainterPath &path, const QRectF &area, qreal tolerance,
                         qint64 &work)
{
    QPainterPath result;
    for (const QPolygonF &polyline : flatten(path, area, tolerance, work)) {
        work += polyline.size();
        if (enclosed(area, polyline)) {
            result.addPolygon(polyline);
            continue;
        }
        bool open = false;
        for (int i = 1; i < polyline.size(); ++i) {
            const QPointF start = polyline.at(i - 1);
            const QPointF end = polyline.at(i);
            QPointF a = start;
            QPointF b = end;
            if (!clipSegment(a, b, area)) {
                open = false;
                continue;
            }
            if (!open || a != start)
                result.moveTo(a);
            result.lineTo(b);
            // The stretch goes on only while it stays in the area.
            open = b == end;
        }
    }
    return result;
}

} // namespace WmfPathCut
