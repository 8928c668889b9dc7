#include "print/PainterSurface.h"

#include "label/ColorValue.h"
#include "platform/Picture.h"
#include "print/LabelOutline.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

QString withoutLineBreaks(QString text)
{
    return text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
}

} // namespace

PainterSurface::PainterSurface(QPainter &painter, double dotsPerMm, const QPointF &origin)
    : m_painter(painter), m_dotsPerMm(dotsPerMm), m_origin(origin)
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
    // Width 0 is the thinnest line the device draws.
    QPen pen(toQColor(color), 0);
    if (m_lineStyle == LineStyle::DashDot)
        pen.setDashPattern(LabelOutline::dashDotPattern(m_dotsPerMm));
    m_painter.setPen(pen);
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
    m_font = QFont(name);
    m_font.setPointSizeF(pointSize);
    m_font.setBold(bold);
    m_font.setItalic(italic);
    m_font.setHintingPreference(QFont::PreferNoHinting);
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
    m_painter.setFont(m_font);
    m_painter.setPen(toQColor(m_textColor));
    m_painter.drawText(toDevice(m_position) + QPointF(0, metrics.ascent()),
                       withoutLineBreaks(text));
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
    return QFontMetricsF(m_font, m_painter.device()).horizontalAdvance(line) / m_scale;
}

QPointF PainterSurface::toDevice(const QPointF &p) const
{
    return m_origin + p * m_scale;
}
