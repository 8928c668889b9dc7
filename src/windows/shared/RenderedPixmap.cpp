// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/RenderedPixmap.h"

#include <QPainter>
#include <QWidget>

const QPixmap &RenderedPixmap::of(const QWidget &widget, const Drawing &draw)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QSize pixels = (QSizeF(widget.size()) * ratio).toSize();
    if (m_pixmap.size() != pixels || m_pixmap.devicePixelRatio() != ratio) {
        m_pixmap = QPixmap(pixels);
        m_pixmap.fill(Qt::transparent);
        QPainter painter(&m_pixmap);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, pixels);
        painter.end();
        m_pixmap.setDevicePixelRatio(ratio);
    }
    return m_pixmap;
}
