// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/ZoneDisplay.h"

#include "platform/LabelFonts.h"

#include <QPainter>

namespace {

// A zone's box shows fewer characters than this whatever its font: in the smallest a label
// takes, some forty thousand fill the largest zone. Laying out no more keeps a label of a
// million characters as cheap to draw as any other.
constexpr qsizetype MostCharactersShown = 65536;

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
    QFont font = LabelFonts::font(style.fontFamily, style.pointSize, style.bold, style.italic);
    return font;
}

void ZoneDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColor));
    drawText(painter, rect(), m_zone);
    drawFocusFrame(painter);
}

void ZoneDisplay::drawText(QPainter &painter, const QRect &area, const TextZone &zone)
{
    painter.save();
    painter.setFont(fontOf(zone));
    painter.setPen(toQColor(zone.style.color));
    // Lines are separated by CR LF in the zone; the painter breaks lines at LF alone.
    const QString text =
        zone.text.left(MostCharactersShown).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    painter.setClipRect(area);
    painter.drawText(
        area, int(Qt::AlignTop | horizontalAlignment(zone.style.alignment)) | Qt::TextWordWrap,
        text);
    painter.restore();
}
