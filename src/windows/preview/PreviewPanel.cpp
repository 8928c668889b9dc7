// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/preview/PreviewPanel.h"

#include "print/LabelOutline.h"

#include <QPainter>

namespace {

// The preview draws the label whose corner is the panel's origin.
constexpr QPointF LabelCorner(0, 0);

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
    const QTransform toPixels = millimetresToPixels();
    painter.setTransform(toPixels);
    for (const LabelOutline::Stroke &stroke :
         LabelOutline::strokes(LabelCorner, m_frame, m_cutOutline)) {
        painter.setPen(LabelOutline::pen(stroke.style, Qt::black, toPixels.m11()));
        painter.drawLine(stroke.line);
    }
}
