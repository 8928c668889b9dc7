// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PainterSurface.h"

#include "label/ColorValue.h"
#include "label/Picture.h"
#include "platform/LabelFonts.h"
#include "print/LabelOutline.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// No label shows a line this long whole. Longer ones are measured and placed by character
// advances, and only the characters that reach the text area are drawn: shaping a line of
// tens of thousands of characters at each of ten positions would keep printing busy for
// seconds, and at large sizes Qt's layout runs out of range and misplaces the glyphs.
constexpr qsizetype LongLine = 512;

QString withoutLineBreaks(QString text)
{
    return text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
}

} // namespace

PainterSurface::PainterSurface(QPainter &painter, double dotsPerMm, const QPointF &origin)
    : m_painter(painter), m_dotsPerMm(dotsPerMm), m_origin(origin),
      m_textArea(0, 0, painter.device()->width(), painter.device()->height())
{
}

void PainterSurface::setScaleMillimetres()
{
    m_scale = m_dotsPerMm;
}

void PainterSurface::setLineStyle(LineStyle style)
{
    m_lineStyle = style;
}

void PainterSurface::drawLine(const QPointF &from, const QPointF &to, ColorValue color)
{
    m_painter.setPen(LabelOutline::pen(m_lineStyle, toQColor(color), m_dotsPerMm));
    m_painter.drawLine(toDevice(from), toDevice(to));
}

void PainterSurface::drawPicture(const Picture &picture, const QRectF &target)
{
    picture.draw(m_painter, QRectF(toDevice(target.topLeft()), toDevice(target.bottomRight())));
}

void PainterSurface::setFont(const QString &name, float pointSize, bool bold, bool italic)
{
    // Point sizes are resolved against the device's own resolution, so the millimetre
    // scale never changes the size of the text.
    m_font = LabelFonts::font(name, pointSize, bold, italic);
    m_font.setHintingPreference(QFont::PreferNoHinting);
    m_advances.reset();
}

void PainterSurface::setTextColor(ColorValue color)
{
    m_textColor = color;
}

void PainterSurface::setCurrentPosition(const QPointF &position)
{
    m_position = position;
}

void PainterSurface::printText(const QString &text)
{
    const QFontMetricsF metrics(m_font, m_painter.device());
    QString line = withoutLineBreaks(text);
    QPointF at = toDevice(m_position);
    if (line.size() > LongLine) {
        if (at.y() > m_textArea.bottom() || at.y() + metrics.height() < m_textArea.top())
            return;
        const CharacterAdvances::Slice slice =
            advances().within(line, at.x(), m_textArea.left(), m_textArea.right());
        line = line.mid(slice.from, slice.length);
        at.setX(slice.x);
    }
    // Text may not reach past the label's edges: a line that does is cut there, one wholly
    // outside is not drawn. Lines within are drawn without a clip, as they always were.
    const QRectF cell(at, QSizeF(metrics.horizontalAdvance(line), metrics.height()));
    if (cell.top() >= m_textArea.bottom() || cell.bottom() <= m_textArea.top())
        return;
    const bool cut = !m_textArea.contains(cell);
    if (cut) {
        m_painter.save();
        m_painter.setClipRect(m_textArea, Qt::IntersectClip);
    }
    m_painter.setFont(m_font);
    m_painter.setPen(toQColor(m_textColor));
    m_painter.drawText(at + QPointF(0, metrics.ascent()), line);
    if (cut)
        m_painter.restore();
}

void PainterSurface::setTextArea(const QRectF &area)
{
    m_textArea = QRectF(toDevice(area.topLeft()), toDevice(area.bottomRight()));
}

void PainterSurface::endDocument()
{
    m_ended = true;
}

void PainterSurface::cancelDocument()
{
    m_cancelled = true;
}

double PainterSurface::lineHeight() const
{
    return QFontMetricsF(m_font, m_painter.device()).height() / m_scale;
}

double PainterSurface::lineWidth(const QString &line) const
{
    if (line.size() > LongLine)
        return advances().of(line) / m_scale;
    return QFontMetricsF(m_font, m_painter.device()).horizontalAdvance(line) / m_scale;
}

CharacterAdvances &PainterSurface::advances() const
{
    if (!m_advances)
        m_advances.emplace(QFontMetricsF(m_font, m_painter.device()));
    return *m_advances;
}

QPointF PainterSurface::toDevice(const QPointF &p) const
{
    return m_origin + p * m_scale;
}
