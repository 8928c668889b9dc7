// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/wmf/WmfParams.h"
#include "platform/wmf/WmfRecordType.h"

#include <QImage>
#include <optional>

// The bit-block transfers of a metafile: an embedded device-independent bitmap stretched
// from a source rectangle onto a destination rectangle, or, without a bitmap, a
// rectangle filled according to the raster operation.
struct WmfBlit
{
    quint32 rasterOperation = 0;
    QRectF source;      // in bitmap pixels, from the top-left corner
    QRectF destination; // in logical units; a negative size mirrors the bitmap
    QByteArray dib;     // empty when the record carries no bitmap

    // Nothing when the record is not a transfer or its parameters are cut short.
    static std::optional<WmfBlit> read(WmfRecordType type, const char *params, qsizetype size);
};

namespace WmfDib {

// Decodes a device-independent bitmap (info header, colour table, bits) through Qt's
// bitmap reader by giving it the file header it lacks. Null when damaged or too large; a
// large one comes reduced.
QImage decode(const QByteArray &dib);

// The size its header gives the bitmap, in which transfers count their source rectangles;
// invalid when the header is damaged.
QSize size(const QByteArray &dib);

} // namespace WmfDib
