// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/ZoneDisplay.h"

#include "platform/LabelFonts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// A zone's box shows fewer characters than this whatever its font: in the smallest a label
// takes, some forty thousand fill the largest zone. Laying out no more keeps a label of a
// million characters as cheap to draw as any other.
constexpr qsizetype MostCharactersShown = 65536;

// The side of the triangle in the bottom right corner of a zone whose text is cut, in pixels.
constexpr int CutMarkSize = 8;

Qt::Alignment horizontalAlignment(ZoneAlignment alignment)
{
    switch (alignment) {
    case ZoneAlignment::Right:
        return Qt::AlignRight;
    case ZoneAlignment::Centre:
        return Qt::AlignHCenter;
    case ZoneAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

ZoneDisplay::ZoneDisplay(QWidget *parent) : ClickableWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ZoneDisplay::setZone(const TextZone &zone)
{
    if (zone == m_zone)
        return;
    m_zone = zone;
    setAccessibleDescription(zone.text);
    update();
}

void ZoneDisplay::setBackColor(ColorValue color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

QFont ZoneDisplay::fontOf(const TextZone &zone)
{
    const ZoneStyle &style = zone.style;
    return LabelFonts::font(style.fontFamily, style.pointSize, style.bold, style.italic);
}

bool ZoneDisplay::event(QEvent *event)
{
    // Cut text says so before the zone's own tip: the user sees it before printing.
    if (event->type() == QEvent::ToolTip && m_textCut) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           tr("Le texte dépasse de la zone"), this);
        return true;
    }
    return ClickableWidget::event(event);
}

void ZoneDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColor));
    m_textCut = drawText(painter, rect(), m_zone);
    if (m_textCut)
        drawCutMark(painter);
    drawFocusFrame(painter);
}

void ZoneDisplay::drawCutMark(QPainter &painter) const
{
    const QPoint corner = rect().bottomRight();
    const QPoint points[] = {corner, corner - QPoint(CutMarkSize, 0),
                             corner - QPoint(0, CutMarkSize)};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawPolygon(points, 3);
    painter.restore();
}

bool ZoneDisplay::drawText(QPainter &painter, const QRect &area, const TextZone &zone)
{
    painter.save();
    painter.setFont(fontOf(zone));
    painter.setPen(toQColor(zone.style.color));
    // Lines are separated by CR LF in the zone; the painter breaks lines at LF alone.
    const QString text =
        zone.text.left(MostCharactersShown).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    painter.setClipRect(area);
    QRect drawn;
    painter.drawText(
        area, int(Qt::AlignTop | horizontalAlignment(zone.style.alignment)) | Qt::TextWordWrap,
        text, &drawn);
    painter.restore();
    return zone.text.size() > MostCharactersShown || (!drawn.isEmpty() && !area.contains(drawn));
}
