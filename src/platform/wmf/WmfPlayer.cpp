// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf/WmfPlayer.h"

#include "platform/wmf/WmfBlit.h"
#include "platform/wmf/WmfPathCut.h"

#include <QLineF>
#include <cmath>

namespace {

constexpr quint16 BackgroundOpaque = 2;
constexpr quint16 PolyFillWinding = 2;

constexpr quint32 PatCopy = 0x00F00021;
constexpr quint32 Blackness = 0x00000042;
constexpr quint32 Whiteness = 0x00FF0062;

constexpr qint64 BitmapPixelsPerWorkUnit = 64;
constexpr qint64 ClipChangeWork = 32;

// The angle on the ellipse in rect where the ray from its centre through point meets it,
// in Qt's terms: degrees counter-clockwise from three o'clock on the unit circle the
// ellipse was stretched from.
qreal ellipseAngle(const QRectF &rect, const QPointF &point)
{
    const QPointF centre = rect.center();
    const qreal rx = rect.width() / 2;
    const qreal ry = rect.height() / 2;
    if (qFuzzyIsNull(rx) || qFuzzyIsNull(ry))
        return 0;
    return QLineF(QPointF(), QPointF((point.x() - centre.x()) / rx, (point.y() - centre.y()) / ry))
        .angle();
}

// Unlike QRectF::contains, true for a flat inner rectangle too (a straight line's bounds).
bool encloses(const QRectF &outer, const QRectF &inner)
{
    return inner.left() >= outer.left() && inner.right() <= outer.right() &&
           inner.top() >= outer.top() && inner.bottom() <= outer.bottom();
}

} // namespace

WmfPlayer::WmfPlayer(const WmfDocument &document, QPainter &painter, const QRectF &target)
    : m_document(document), m_painter(painter), m_target(target), m_base(painter.worldTransform())
{
    if (painter.hasClipping())
        m_callerClip = painter.clipPath();
    m_state.windowOrigin = document.frame().topLeft();
    m_state.windowExtent = document.frame().size();
    m_state.clip = target;
}

bool WmfPlayer::play(qint64 workLimit)
{
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    applyClip();
    applyWindow();
    const QVector<WmfRecord> &records = m_document.records();
    for (int index = 0; index < records.size(); ++index) {
        if (m_work > workLimit)
            return false;
        ++m_work;
        playRecord(index, records.at(index));
    }
    return m_work <= workLimit;
}

void WmfPlayer::playRecord(int index, const WmfRecord &record)
{
    WmfParams params = m_document.params(record);
    switch (record.type) {
    case WmfRecordType::SaveDc:
    case WmfRecordType::RestoreDc:
    case WmfRecordType::SetBkMode:
    case WmfRecordType::SetBkColor:
    case WmfRecordType::SetTextColor:
    case WmfRecordType::SetTextAlign:
    case WmfRecordType::SetPolyFillMode:
    case WmfRecordType::SetMapMode:
    case WmfRecordType::SetWindowOrg:
    case WmfRecordType::SetWindowExt:
    case WmfRecordType::OffsetWindowOrg:
    case WmfRecordType::ScaleWindowExt:
    case WmfRecordType::IntersectClipRect:
    case WmfRecordType::MoveTo:
        playStateRecord(record, params);
        break;
    case WmfRecordType::CreatePenIndirect:
    case WmfRecordType::CreateBrushIndirect:
    case WmfRecordType::CreateFontIndirect:
    case WmfRecordType::CreatePalette:
    case WmfRecordType::CreatePatternBrush:
    case WmfRecordType::DibCreatePatternBrush:
    case WmfRecordType::CreateRegion:
    case WmfRecordType::SelectObject:
    case WmfRecordType::DeleteObject:
        playObjectRecord(index, record, params);
        break;
    case WmfRecordType::TextOut:
        textOut(params);
        break;
    case WmfRecordType::ExtTextOut:
        extTextOut(params);
        break;
    case WmfRecordType::StretchDib:
    case WmfRecordType::DibStretchBlt:
    case WmfRecordType::DibBitBlt:
    case WmfRecordType::PatBlt:
        playBlit(index, record);
        break;
    default:
        playShapeRecord(record, params);
    }
}

void WmfPlayer::playStateRecord(const WmfRecord &record, WmfParams &params)
{
    switch (record.type) {
    case WmfRecordType::SaveDc:
        if (m_saved.size() < MaxSavedStates)
            m_saved.append(m_state);
        return;
    case WmfRecordType::RestoreDc: {
        const std::int16_t which = params.int16();
        if (params.ok())
            restoreState(which);
        return;
    }
    case WmfRecordType::SetBkMode: {
        const quint16 mode = params.uint16();
        if (params.ok())
            m_state.opaqueBackground = mode == BackgroundOpaque;
        return;
    }
    case WmfRecordType::SetBkColor:
    case WmfRecordType::SetTextColor: {
        const QColor colour = params.colorRef();
        if (!params.ok())
            return;
        if (record.type == WmfRecordType::SetBkColor)
            m_state.backgroundColour = colour;
        else
            m_state.textColour = colour;
        return;
    }
    case WmfRecordType::SetTextAlign: {
        const quint16 align = params.uint16();
        if (params.ok())
            m_state.textAlign = align;
        return;
    }
    case WmfRecordType::SetPolyFillMode: {
        const quint16 mode = params.uint16();
        if (params.ok())
            m_state.fillRule = mode == PolyFillWinding ? Qt::WindingFill : Qt::OddEvenFill;
        return;
    }
    case WmfRecordType::SetMapMode: {
        const quint16 mode = params.uint16();
        if (params.ok() && mode >= Text && mode <= Anisotropic) {
            m_state.mapMode = mode;
            applyWindow();
        }
        return;
    }
    case WmfRecordType::SetWindowOrg: {
        const QPointF origin = params.pointYX();
        if (params.ok())
            setWindowOrigin(origin);
        return;
    }
    case WmfRecordType::OffsetWindowOrg: {
        const QPointF offset = params.pointYX();
        if (params.ok())
            setWindowOrigin(m_state.windowOrigin + offset);
        return;
    }
    case WmfRecordType::SetWindowExt: {
        const QPointF extent = params.pointYX();
        if (params.ok())
            setWindowExtent(QSizeF(extent.x(), extent.y()));
        return;
    }
    case WmfRecordType::ScaleWindowExt: {
        const qreal yDenominator = params.int16();
        const qreal yNumerator = params.int16();
        const qreal xDenominator = params.int16();
        const qreal xNumerator = params.int16();
        if (params.ok() && xDenominator != 0 && yDenominator != 0) {
            setWindowExtent(QSizeF(m_state.windowExtent.width() * xNumerator / xDenominator,
                                   m_state.windowExtent.height() * yNumerator / yDenominator));
        }
        return;
    }
    case WmfRecordType::IntersectClipRect: {
        const QRectF rect = params.rectBottomRightTopLeft();
        if (params.ok()) {
            m_state.clip &= windowTransform().mapRect(rect.normalized());
            applyClip();
        }
        return;
    }
    case WmfRecordType::MoveTo: {
        const QPointF point = params.pointYX();
        if (params.ok())
            m_state.position = point;
        return;
    }
    default:
        return;
    }
}

void WmfPlayer::playObjectRecord(int index, const WmfRecord &record, WmfParams &params)
{
    switch (record.type) {
    case WmfRecordType::CreatePenIndirect: {
        const QPen pen = WmfObjects::readPen(params);
        // Even a damaged object takes its slot, so later indices stay right.
        m_objects.add(params.ok() ? WmfObject(pen) : WmfObject(WmfUnusedObject()));
        return;
    }
    case WmfRecordType::CreateBrushIndirect: {
        const QBrush brush = WmfObjects::readBrush(params);
        m_objects.add(params.ok() ? WmfObject(brush) : WmfObject(WmfUnusedObject()));
        return;
    }
    case WmfRecordType::CreateFontIndirect: {
        // Read, and its face looked up, once with the document rather than at every play.
        const WmfFont *font = m_document.font(index);
        m_objects.add(font ? WmfObject(*font) : WmfObject(WmfUnusedObject()));
        return;
    }
    case WmfRecordType::SelectObject: {
        const WmfObject *object = m_objects.find(params.uint16());
        if (!params.ok() || object == nullptr)
            return;
        if (const auto *pen = std::get_if<QPen>(object))
            m_state.pen = *pen;
        else if (const auto *brush = std::get_if<QBrush>(object))
            m_state.brush = *brush;
        else if (const auto *font = std::get_if<WmfFont>(object))
            m_state.font = *font;
        return;
    }
    case WmfRecordType::DeleteObject: {
        const quint16 index = params.uint16();
        if (params.ok())
            m_objects.remove(index);
        return;
    }
    default:
        m_objects.add(WmfUnusedObject());
    }
}

void WmfPlayer::playShapeRecord(const WmfRecord &record, WmfParams &params)
{
    QPainterPath path;
    path.setFillRule(m_state.fillRule);
    switch (record.type) {
    case WmfRecordType::LineTo: {
        const QPointF point = params.pointYX();
        if (!params.ok())
            return;
        path.moveTo(m_state.position);
        path.lineTo(point);
        m_state.position = point;
        strokeLine(path);
        return;
    }
    case WmfRecordType::Polygon:
    case WmfRecordType::Polyline: {
        const int count = params.uint16();
        QPolygonF points;
        points.reserve(qMin<qsizetype>(count, params.remaining() / 4));
        for (int i = 0; i < count && params.ok(); ++i)
            points.append(params.pointXY());
        if (!params.ok() || points.isEmpty())
            return;
        path.addPolygon(points);
        if (record.type == WmfRecordType::Polyline) {
            strokeLine(path);
        } else {
            path.closeSubpath();
            drawPath(path);
        }
        return;
    }
    case WmfRecordType::PolyPolygon:
        drawPolyPolygon(params);
        return;
    case WmfRecordType::Rectangle:
    case WmfRecordType::Ellipse: {
        const QRectF rect = params.rectBottomRightTopLeft().normalized();
        if (!params.ok())
            return;
        if (record.type == WmfRecordType::Rectangle)
            path.addRect(rect);
        else
            path.addEllipse(rect);
        drawPath(path);
        return;
    }
    case WmfRecordType::RoundRect: {
        const qreal cornerHeight = params.int16();
        const qreal cornerWidth = params.int16();
        const QRectF rect = params.rectBottomRightTopLeft().normalized();
        if (!params.ok())
            return;
        path.addRoundedRect(rect, qAbs(cornerWidth) / 2, qAbs(cornerHeight) / 2);
        drawPath(path);
        return;
    }
    case WmfRecordType::Arc:
    case WmfRecordType::Pie:
    case WmfRecordType::Chord:
        drawArc(record.type, params);
        return;
    default:
        return;
    }
}

void WmfPlayer::drawPolyPolygon(WmfParams &params)
{
    const int polygonCount = params.uint16();
    if (!params.ok() || polygonCount * 2 > params.remaining())
        return;
    // Each polygon costs its own work to make, however few points it has: a record of
    // thousands of empty ones would otherwise count as nothing.
    m_work += polygonCount;
    QVector<int> pointCounts(polygonCount);
    qsizetype totalPoints = 0;
    for (int &count : pointCounts) {
        count = params.uint16();
        totalPoints += count;
    }
    if (!params.ok() || totalPoints * 4 > params.remaining())
        return;
    QPainterPath path;
    path.setFillRule(m_state.fillRule);
    for (int count : pointCounts) {
        QPolygonF polygon;
        polygon.reserve(count);
        for (int i = 0; i < count; ++i)
            polygon.append(params.pointXY());
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    drawPath(path);
}

void WmfPlayer::drawArc(WmfRecordType type, WmfParams &params)
{
    const QPointF end = params.pointYX();
    const QPointF start = params.pointYX();
    const QRectF rect = params.rectBottomRightTopLeft().normalized();
    if (!params.ok() || rect.isEmpty())
        return;

    // Windows turns counter-clockwise on the device, so a mirrored window turns the
    // other way in logical units. Equal end points make a whole ellipse.
    const QTransform window = windowTransform();
    const bool mirrored = (window.m11() < 0) != (window.m22() < 0);
    const qreal startAngle = ellipseAngle(rect, start);
    qreal sweep = ellipseAngle(rect, end) - startAngle;
    if (mirrored)
        sweep = -sweep;
    while (sweep <= 0)
        sweep += 360;
    if (mirrored)
        sweep = -sweep;

    QPainterPath path;
    path.setFillRule(m_state.fillRule);
    if (type == WmfRecordType::Pie)
        path.moveTo(rect.center());
    else
        path.arcMoveTo(rect, startAngle);
    path.arcTo(rect, startAngle, sweep);
    if (type == WmfRecordType::Arc) {
        strokeLine(path);
        return;
    }
    path.closeSubpath();
    drawPath(path);
}

void WmfPlayer::playBlit(int index, const WmfRecord &record)
{
    const std::optional<WmfBlit> blit =
        WmfBlit::read(record.type, m_document.paramData(record), record.size);
    if (!blit)
        return;
    if (blit->dib.isEmpty()) {
        fillBlitRectangle(blit->destination, blit->rasterOperation);
        return;
    }
    const WmfBitmapPart *part = m_document.bitmap(index);
    if (!part || blit->source.isEmpty() || blit->destination.width() == 0 ||
        blit->destination.height() == 0)
        return;
    m_work += qint64(part->image.width()) * part->image.height() / BitmapPixelsPerWorkUnit;
    // Other raster operations combine with what is below, which a PDF page cannot do;
    // drawing the bitmap plainly is the closest everywhere.
    m_painter.save();
    m_painter.translate(blit->destination.topLeft());
    m_painter.scale(blit->destination.width() / blit->source.width(),
                    blit->destination.height() / blit->source.height());
    m_painter.drawImage(
        QRectF(part->source.topLeft() - blit->source.topLeft(), part->source.size()), part->image);
    m_painter.restore();
}

void WmfPlayer::fillBlitRectangle(const QRectF &rect, quint32 rasterOperation)
{
    m_work += 4;
    QBrush brush;
    if (rasterOperation == PatCopy)
        brush = m_state.brush;
    else if (rasterOperation == Blackness)
        brush = QBrush(Qt::black);
    else if (rasterOperation == Whiteness)
        brush = QBrush(Qt::white);
    else
        return;
    m_painter.fillRect(rect.normalized(), brush);
}

void WmfPlayer::prepareShape()
{
    m_painter.setPen(m_state.pen);
    m_painter.setBrush(m_state.brush);
    m_painter.setBackgroundMode(m_state.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.backgroundColour);
}

// Qt's antialiased rasteriser walks every scan line a shape spans, clipped away or not, and
// a tiny frame or a wide pen can blow shapes up to millions of pixels. Shapes that reach
// beyond the visible area are therefore cut to it before they are drawn.
QRectF WmfPlayer::visibleArea() const
{
    const QRectF area = windowTransform().inverted().mapRect(m_state.clip);
    // A little more than the clip, so that antialiased edges along it stay as they were.
    const qreal margin = 0.02 * qMax(area.width(), area.height());
    return area.adjusted(-margin, -margin, margin, margin);
}

qreal WmfPlayer::penReach() const
{
    const QPen &pen = m_state.pen;
    if (pen.style() == Qt::NoPen || pen.isCosmetic())
        return 0;
    const qreal halfWidth = pen.widthF() / 2;
    // Square caps reach out along the diagonal; mitred corners as far as the mitre limit lets
    // them, counted in pen widths.
    qreal reach = pen.capStyle() == Qt::SquareCap ? halfWidth * M_SQRT2 : halfWidth;
    if (pen.joinStyle() == Qt::MiterJoin || pen.joinStyle() == Qt::SvgMiterJoin)
        reach = qMax(reach, pen.miterLimit() * pen.widthF());
    // A hair more, so that rounding never puts ink just outside what was kept.
    return reach * 1.01;
}

bool WmfPlayer::fitsVisibleArea(const QPainterPath &path) const
{
    const qreal reach = penReach();
    return encloses(visibleArea(), path.boundingRect().adjusted(-reach, -reach, reach, reach));
}

// Curves are flattened to a quarter of a device pixel, finer than anything shows.
qreal WmfPlayer::flatteningTolerance() const
{
    const QTransform device = windowTransform() * m_base * m_painter.deviceTransform();
    const qreal scale =
        qMax(std::hypot(device.m11(), device.m12()), std::hypot(device.m21(), device.m22()));
    return scale > 0 ? 0.25 / scale : 1;
}

void WmfPlayer::drawPath(const QPainterPath &path)
{
    prepareShape();
    if (fitsVisibleArea(path)) {
        m_work += path.elementCount();
        m_painter.drawPath(path);
        return;
    }
    if (m_state.brush.style() != Qt::NoBrush) {
        const QPainterPath area =
            WmfPathCut::fillWithin(path, visibleArea(), flatteningTolerance(), m_work);
        m_work += area.elementCount();
        m_painter.setPen(Qt::NoPen);
        m_painter.drawPath(area);
    }
    strokeLine(path);
}

void WmfPlayer::strokeLine(const QPainterPath &path)
{
    const QPen &pen = m_state.pen;
    if (pen.style() == Qt::NoPen)
        return;
    prepareShape();
    if (fitsVisibleArea(path)) {
        m_work += path.elementCount();
        m_painter.strokePath(path, pen);
        return;
    }
    // Ink never spreads further than the pen's reach, so the lines beyond it cannot show.
    const qreal reach = penReach();
    const qreal tolerance = flatteningTolerance();
    const QRectF area = visibleArea();
    const QPainterPath lines = WmfPathCut::linesWithin(
        path, area.adjusted(-reach, -reach, reach, reach), tolerance, m_work);
    if (pen.isCosmetic()) {
        m_work += lines.elementCount();
        m_painter.strokePath(lines, pen);
        return;
    }
    // A wide pen still draws far beyond the area: its outline is cut as a shape.
    const QPainterPath outline = QPainterPathStroker(pen).createStroke(lines);
    const QPainterPath ink = WmfPathCut::fillWithin(outline, area, tolerance, m_work);
    m_work += outline.elementCount() + ink.elementCount();
    m_painter.fillPath(ink, pen.brush());
}

QTransform WmfPlayer::windowTransform() const
{
    QSizeF extent = m_state.windowExtent;
    const QSizeF frame = m_document.frame().size();
    if (m_state.mapMode == Text)
        extent = QSizeF(qAbs(frame.width()), qAbs(frame.height()));
    else if (m_state.mapMode < Isotropic) // metric and English modes count y upwards
        extent = QSizeF(qAbs(frame.width()), -qAbs(frame.height()));
    // The picture is stretched to the target whatever its proportions, so an isotropic
    // window is played as an anisotropic one.
    const qreal sx = m_target.width() / extent.width();
    const qreal sy = m_target.height() / extent.height();
    return QTransform(sx, 0, 0, sy, m_target.left() - m_state.windowOrigin.x() * sx,
                      m_target.top() - m_state.windowOrigin.y() * sy);
}

void WmfPlayer::applyWindow()
{
    m_painter.setWorldTransform(windowTransform() * m_base);
}

void WmfPlayer::applyClip()
{
    // A page keeps its clipping in its drawing state, which a change writes out anew.
    m_work += ClipChangeWork;
    m_painter.setWorldTransform(m_base);
    if (m_callerClip) {
        m_painter.setClipPath(*m_callerClip);
        m_painter.setClipRect(m_state.clip, Qt::IntersectClip);
    } else {
        m_painter.setClipRect(m_state.clip);
    }
    applyWindow();
}

void WmfPlayer::setWindowOrigin(const QPointF &origin)
{
    m_state.windowOrigin = origin;
    applyWindow();
}

void WmfPlayer::setWindowExtent(const QSizeF &extent)
{
    if (qFuzzyIsNull(extent.width()) || qFuzzyIsNull(extent.height()))
        return;
    m_state.windowExtent = extent;
    applyWindow();
}

void WmfPlayer::restoreState(int relativeOrAbsolute)
{
    // Negative: that many states back; positive: the n-th state saved.
    const int index =
        relativeOrAbsolute < 0 ? m_saved.size() + relativeOrAbsolute : relativeOrAbsolute - 1;
    if (index < 0 || index >= m_saved.size())
        return;
    m_state = m_saved.at(index);
    m_saved.resize(index);
    applyClip();
}
