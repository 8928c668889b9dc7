#pragma once

#include <QByteArray>
#include <QImage>

namespace PictureRasterReader {

// The largest raster picture Korvalin agrees to decode, in pixels (128 MiB in 32 bits).
constexpr qint64 MaxPixels = qint64(32) * 1024 * 1024;

// Decodes any raster format Qt reads, recognised by content. Of a file holding several
// images (a multi-size icon) the largest is taken. A null image on any failure.
QImage read(const QByteArray &bytes);

} // namespace PictureRasterReader
