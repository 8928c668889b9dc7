// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/Picture.h"

#include "label/VectorDrawing.h"

#include <QPainter>
#include <cmath>

namespace {

// Qt's smooth drawing is bilinear, which skips pixels when it shrinks an image a lot;
// beyond this factor the image is first reduced with a proper filter.
constexpr qreal MaxDirectShrink = 2.0;

} // namespace

Picture::Picture() = default;

Picture::Picture(const QImage &image) : m_image(image), m_reduced(std::make_shared<Reduced>()) {}

Picture::Picture(std::shared_ptr<const VectorDrawing> metafile) : m_metafile(std::move(metafile)) {}

bool Picture::isNull() const
{
    return m_image.isNull() && !m_metafile;
}

bool Picture::isMetafile() const
{
    return m_metafile != nullptr;
}

QImage Picture::image() const
{
    return m_image;
}

QSizeF Picture::naturalSize() const
{
    return m_metafile ? m_metafile->naturalSize() : QSizeF(m_image.size());
}

bool Picture::isSameAs(const Picture &other) const
{
    return m_metafile == other.m_metafile && m_image.cacheKey() == other.m_image.cacheKey();
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    if (isNull() || !target.isValid())
        return;
    painter.save();
    if (m_metafile)
        m_metafile->draw(painter, target);
    else
        drawRaster(painter, target);
    painter.restore();
}

void Picture::drawRaster(QPainter &painter, const QRectF &target) const
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF onDevice = painter.deviceTransform().mapRect(target).size();
    if (m_image.width() > MaxDirectShrink * onDevice.width() ||
        m_image.height() > MaxDirectShrink * onDevice.height()) {
        const QSize reduced(qBound(1, int(std::ceil(onDevice.width())), m_image.width()),
                            qBound(1, int(std::ceil(onDevice.height())), m_image.height()));
        painter.drawImage(target, reducedTo(reduced));
    } else {
        painter.drawImage(target, m_image);
    }
}

QImage Picture::reducedTo(const QSize &size) const
{
    // Copies of a picture may be drawn from several threads at once.
    const std::lock_guard<std::mutex> lock(m_reduced->mutex);
    if (m_reduced->size != size) {
        m_reduced->image = m_image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_reduced->size = size;
    }
    return m_reduced->image;
}
