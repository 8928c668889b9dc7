// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureRender.h"

#include <QPainter>
#include <cmath>

const QColor Margin(255, 0, 255);

QColor RenderedPicture::at(qreal fx, qreal fy) const
{
    const QPointF point(target.left() + fx * target.width(), target.top() + fy * target.height());
    return image.pixelColor(point.toPoint());
}

qreal RenderedPicture::share(const QColor &colour, int tolerance) const
{
    const QRect area = target.toAlignedRect() & image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += similar(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
    }
    return qreal(count) / (area.width() * area.height());
}

RenderedPicture renderPicture(const Picture &picture, qreal targetMm, int dotsPerInch)
{
    const qreal pixelsPerMm = dotsPerInch / 25.4;
    const int side = int(std::ceil((targetMm + 2 * MarginMm) * pixelsPerMm));
    RenderedPicture result{QImage(side, side, QImage::Format_ARGB32), {}};
    result.image.fill(Margin);
    QPainter painter(&result.image);
    painter.scale(pixelsPerMm, pixelsPerMm);
    const QRectF targetMmRect(MarginMm, MarginMm, targetMm, targetMm);
    picture.draw(painter, targetMmRect);
    result.target = painter.transform().mapRect(targetMmRect);
    return result;
}

void drawPicture(QPaintDevice &device, const Picture &picture, const QList<QRectF> &targets)
{
    QPainter painter(&device);
    for (const QRectF &target : targets)
        picture.draw(painter, target);
}

bool similar(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}
