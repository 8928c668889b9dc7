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

Qt::Alignment horizontalAlignment(qint16 alignment)
{
    switch (alignment) {
    case AlignRight:
        return Qt::AlignRight;
    case AlignCentre:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
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
    setAccessibleDescription(zone.Caption);
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
    QFont font = LabelFonts::font(zone.FontName, zone.FontSize, zone.FontBold, zone.FontItalic);
    font.setStrikeOut(zone.FontStrikethru);
    font.setUnderline(zone.FontUnderline);
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
    painter.setPen(toQColor(zone.ForeColor));
    // Lines are separated by CR LF in the zone; the painter breaks lines at LF alone.
    const QString text =
        zone.Caption.left(MostCharactersShown).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    painter.setClipRect(area);
    painter.drawText(
        area, int(Qt::AlignTop | horizontalAlignment(zone.Alignment)) | Qt::TextWordWrap, text);
    painter.restore();
}
