// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/RenderedPixmap.h"

#include <QPainter>
#include <QWidget>

const QPixmap &RenderedPixmap::of(const QWidget &widget, const Drawing &draw)
{
    const QSize pixels = pixelSize(widget);
    if (m_pixmap.size() != pixels || m_pixmap.devicePixelRatio() != widget.devicePixelRatioF())
        keep(drawn(pixels, draw), widget);
    return m_pixmap;
}

QSize RenderedPixmap::pixelSize(const QWidget &widget)
{
    return (QSizeF(widget.size()) * widget.devicePixelRatioF()).toSize();
}

QImage RenderedPixmap::drawn(const QSize &pixels, const Drawing &draw)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, pixels);
    return image;
}

void RenderedPixmap::keep(const QImage &drawing, const QWidget &widget)
{
    m_pixmap = QPixmap::fromImage(drawing);
    m_pixmap.setDevicePixelRatio(widget.devicePixelRatioF());
}
