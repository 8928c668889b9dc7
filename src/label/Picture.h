// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRectF>
#include <memory>
#include <mutex>

class QPainter;
class VectorDrawing;

// The label's picture: a raster image or a Windows metafile, or nothing. A value type,
// cheap to copy: copies share the decoded data, which never changes.
class Picture
{
public:
    Picture();
    explicit Picture(const QImage &image);
    explicit Picture(std::shared_ptr<const VectorDrawing> metafile);

    bool isNull() const;
    bool isMetafile() const;
    // The raster content; null for a metafile or an empty picture.
    QImage image() const;
    // Pixel size of a raster, or the metafile's frame size in its own units.
    QSizeF naturalSize() const;

    // Whether other is this very picture (a copy of it), not merely an equal one.
    bool isSameAs(const Picture &other) const;

    // Draws the picture stretched into target, proportions not kept: rasters scaled
    // smoothly, metafiles replayed as vectors at the target size so that they print
    // sharp. The painter is left as it was; an empty picture draws nothing.
    void draw(QPainter &painter, const QRectF &target) const;

private:
    // The raster reduced for the device it was last drawn on: a sheet draws the same picture
    // ten times at one size, and a page that is handed the same image keeps it once.
    struct Reduced
    {
        std::mutex mutex;
        QSize size;
        QImage image;
    };

    void drawRaster(QPainter &painter, const QRectF &target) const;
    QImage reducedTo(const QSize &size) const;

    QImage m_image;
    std::shared_ptr<Reduced> m_reduced;
    std::shared_ptr<const VectorDrawing> m_metafile;
};
