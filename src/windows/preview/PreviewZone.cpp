// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/preview/PreviewZone.h"

#include "windows/shared/ZoneDisplay.h"

#include <QPainter>

PreviewZone::PreviewZone(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewZone::setZone(const TextZone &zone)
{
    if (zone == m_zone)
        return;
    m_zone = zone;
    setAccessibleName(zone.text);
    update();
}

void PreviewZone::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    ZoneDisplay::drawText(painter, rect(), m_zone);
}
