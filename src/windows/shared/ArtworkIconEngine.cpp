// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/ArtworkIconEngine.h"

#include "windows/shared/RenderedSides.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

namespace {

const QString RenderedFolder = QStringLiteral(":/windows/rendered");
const QString RenderedSuffix = QStringLiteral(".argb32");

// The pixels are painted straight from the program's file, which the resource holds
// uncompressed; a resource of another size than its name says is not used.
QImage renderedImage(const QString &path, int side)
{
    const QResource resource(path);
    const qsizetype rowBytes = qsizetype(side) * 4;
    if (resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != rowBytes * side)
        return {};
    return QImage(resource.data(), side, side, rowBytes, QImage::Format_ARGB32_Premultiplied);
}

} // namespace

ArtworkIconEngine::ArtworkIconEngine(const QString &name) : m_name(name)
{
    for (const RenderedSides::Drawing &drawing : RenderedSides::Drawings) {
        if (QLatin1StringView(drawing.name) != name)
            continue;
        for (const int side : drawing.sides) {
            if (side > 0)
                m_renderedSides.append(side);
        }
    }
}

QString ArtworkIconEngine::renderedPath(const QSize &size) const
{
    if (size.width() != size.height() || !m_renderedSides.contains(size.width()))
        return {};
    return RenderedFolder + u'/' + m_name + u'-' + QString::number(size.width()) + RenderedSuffix;
}

QPixmap ArtworkIconEngine::rendered(const QString &path, int side, QIcon::Mode mode)
{
    const QString cacheKey = path + u'/' + QString::number(int(mode));
    QPixmap pixmap;
    if (QPixmapCache::find(cacheKey, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(renderedImage(path, side));
    if (pixmap.isNull())
        return {};
    // As the SVG icon engine does, and as the style does for any icon of pixmaps.
    if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        if (!generated.isNull())
            pixmap = generated;
    }
    QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

QIcon &ArtworkIconEngine::vector()
{
    if (m_vector.isNull())
        m_vector = QIcon(QStringLiteral(":/windows/") + m_name + QStringLiteral(".svg"));
    return m_vector;
}

QPixmap ArtworkIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QString path = renderedPath(size);
    if (!path.isEmpty()) {
        const QPixmap pixmap = rendered(path, size.width(), mode);
        if (!pixmap.isNull())
            return pixmap;
    }
    return vector().pixmap(size, mode, state);
}

void ArtworkIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                              QIcon::State state)
{
    const qreal pixelRatio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, pixmap(rect.size() * pixelRatio, mode, state));
}

QSize ArtworkIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    // Every drawing is square, and scales to whatever square fits.
    const int side = qMin(size.width(), size.height());
    return {side, side};
}

QList<QSize> ArtworkIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const int side : std::as_const(m_renderedSides))
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine *ArtworkIconEngine::clone() const
{
    return new ArtworkIconEngine(m_name);
}

QString ArtworkIconEngine::key() const
{
    return QStringLiteral("korvalin-artwork");
}
