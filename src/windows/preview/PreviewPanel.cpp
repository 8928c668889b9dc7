// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/preview/PreviewPanel.h"

#include "print/LabelOutline.h"

#include <QPainter>

namespace {

// The preview draws the label whose corner is the panel's origin.
constexpr QPointF LabelCorner(0, 0);

void drawSides(QPainter &painter, const QRectF &rectangle)
{
    for (const QLineF &side : LabelOutline::sides(rectangle))
        painter.drawLine(side);
}

} // namespace

PreviewPanel::PreviewPanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPanel::setOutlines(bool frame, bool cutOutline)
{
    if (frame == m_frame && cutOutline == m_cutOutline)
        return;
    m_frame = frame;
    m_cutOutline = cutOutline;
    update();
}

QTransform PreviewPanel::millimetresToPixels() const
{
    return QTransform::fromScale(width() / DrawingSizeMm.width(),
                                 height() / DrawingSizeMm.height());
}

void PreviewPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setTransform(millimetresToPixels());
    // Width 0: one device pixel whatever the scale, as on the printer.
    QPen pen(Qt::black, 0);
    if (m_frame) {
        painter.setPen(pen);
        drawSides(painter, LabelOutline::frame(LabelCorner));
    }
    if (m_cutOutline) {
        pen.setDashPattern(LabelOutline::dashDotPattern(millimetresToPixels().m11()));
        painter.setPen(pen);
        drawSides(painter, LabelOutline::cutOutline(LabelCorner));
    }
}
