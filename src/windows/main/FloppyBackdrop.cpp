// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/FloppyBackdrop.h"

#include "windows/shared/Millimetres.h"
#include "windows/shared/WindowResources.h"

#include <QPainter>
#include <QSvgRenderer>

FloppyBackdrop::FloppyBackdrop(QWidget *parent) : QWidget(parent)
{
    setFixedSize(Millimetres::toPixels(QSizeF(SideMm, SideMm), *this));
}

void FloppyBackdrop::paintEvent(QPaintEvent *)
{
    const QPixmap &disk = m_rendered.of(*this, [](QPainter &painter, const QSize &) {
        QSvgRenderer(WindowResources::floppyPath()).render(&painter);
    });
    QPainter(this).drawPixmap(0, 0, disk);
}
