// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/FloppyBackdrop.h"

#include "windows/shared/Millimetres.h"
#include "windows/shared/WindowResources.h"

#include <QPainter>

FloppyBackdrop::FloppyBackdrop(QWidget *parent)
    : QWidget(parent), m_disk(WindowResources::floppy())
{
    setFixedSize(Millimetres::toPixels(QSizeF(SideMm, SideMm), *this));
}

void FloppyBackdrop::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_disk.paint(&painter, rect());
}
