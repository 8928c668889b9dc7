// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/LabelArea.h"

#include <QPainter>

LabelArea::LabelArea(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LabelArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0x9A, 0xA3, 0xAD));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
