// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

namespace PictureRasterReader {

// The largest raster picture Korvalin agrees to decode, in pixels (128 MiB in 32 bits).
constexpr qint64 MaxPixels = qint64(32) * 1024 * 1024;

// Pictures are drawn at most this many pixels a side (a label's picture on a 1200 dpi
// printer takes about 570); larger ones are decoded at this size, proportions kept.
constexpr int MaxDecodedSide = 1024;

// False when the file asks its decoder for work out of proportion to the picture it shows,
// found from its headers alone. Pictures embedded in other pictures are checked with it too.
bool decodingBounded(const QByteArray &bytes);

// Decodes any raster format Qt reads, recognised by content. Of a multi-size icon the
// largest image is taken; of an animation, the first. A null image on any failure.
QImage read(const QByteArray &bytes);

} // namespace PictureRasterReader
