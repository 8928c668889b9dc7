// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf/WmfBlit.h"

#include "platform/PictureRasterReader.h"

#include <QtEndian>

namespace {

constexpr qsizetype FileHeaderSize = 14;
constexpr quint32 CoreHeaderSize = 12;
constexpr quint32 InfoHeaderSize = 40;
constexpr quint32 BitFieldsCompression = 3;

// The format marks a transfer without a bitmap by its size alone: its parameters then
// take as many 16-bit words as the high byte of its function number.
bool carriesBitmap(WmfRecordType type, qsizetype paramBytes)
{
    const qsizetype bitmaplessWords = qsizetype(quint16(type) >> 8);
    return paramBytes != bitmaplessWords * 2;
}

// The parts of a bitmap's info header (or of the older core header) that placing and
// decoding it need.
struct DibHeader
{
    quint32 size = 0;
    qint32 width = 0;
    qint32 height = 0;
    int bitCount = 0;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
};

std::optional<DibHeader> readDibHeader(const QByteArray &dib)
{
    WmfParams params(dib.constData(), dib.size());
    DibHeader header;
    header.size = params.uint32();
    if (header.size == CoreHeaderSize) {
        header.width = params.uint16();
        header.height = params.uint16();
        params.skip(2); // planes
        header.bitCount = params.uint16();
    } else {
        header.width = params.int32();
        header.height = params.int32();
        params.skip(2); // planes
        header.bitCount = params.uint16();
        header.compression = params.uint32();
        params.skip(12); // image size and resolution
        header.coloursUsed = params.uint32();
    }
    if (!params.ok() || header.size > quint32(dib.size()))
        return std::nullopt;
    return header;
}

// Bottom-up bitmaps (the usual kind) count the source origin of StretchDIBits from their
// last row; Qt's image counts from the first.
QRectF sourceFromTop(const QRectF &source, const QByteArray &dib, WmfRecordType type)
{
    const std::optional<DibHeader> header = readDibHeader(dib);
    if (type != WmfRecordType::StretchDib || !header || header->height <= 0)
        return source;
    return QRectF(source.x(), header->height - source.y() - source.height(), source.width(),
                  source.height());
}

qsizetype colourTableBytes(const DibHeader &header)
{
    const bool paletted = header.bitCount >= 1 && header.bitCount <= 8;
    const qsizetype paletteEntries = paletted ? qsizetype(1) << header.bitCount : 0;
    if (header.size == CoreHeaderSize)
        return paletteEntries * 3;
    const qsizetype masks =
        (header.size == InfoHeaderSize && header.compression == BitFieldsCompression) ? 12 : 0;
    if (header.coloursUsed > 0)
        return masks + qsizetype(qMin<quint32>(header.coloursUsed, 256)) * 4;
    return masks + paletteEntries * 4;
}

} // namespace

std::optional<WmfBlit> WmfBlit::read(WmfRecordType type, const char *data, qsizetype size)
{
    WmfParams params(data, size);
    WmfBlit blit;
    blit.rasterOperation = params.uint32();
    const bool withBitmap = type == WmfRecordType::StretchDib ||
                            (type != WmfRecordType::PatBlt && carriesBitmap(type, size));
    switch (type) {
    case WmfRecordType::StretchDib:
    case WmfRecordType::DibStretchBlt: {
        if (type == WmfRecordType::StretchDib)
            params.skip(2); // colour usage: the colour table is read as RGB in any case
        const qreal sourceHeight = params.int16();
        const qreal sourceWidth = params.int16();
        const QPointF sourceOrigin = params.pointYX();
        blit.source = QRectF(sourceOrigin, QSizeF(sourceWidth, sourceHeight));
        if (!withBitmap)
            params.skip(2);
        const qreal height = params.int16();
        const qreal width = params.int16();
        blit.destination = QRectF(params.pointYX(), QSizeF(width, height));
        break;
    }
    case WmfRecordType::DibBitBlt: {
        const QPointF sourceOrigin = params.pointYX();
        if (!withBitmap)
            params.skip(2);
        const qreal height = params.int16();
        const qreal width = params.int16();
        blit.source = QRectF(sourceOrigin, QSizeF(width, height));
        blit.destination = QRectF(params.pointYX(), QSizeF(width, height));
        break;
    }
    case WmfRecordType::PatBlt: {
        const qreal height = params.int16();
        const qreal width = params.int16();
        blit.destination = QRectF(params.pointYX(), QSizeF(width, height));
        break;
    }
    default:
        return std::nullopt;
    }
    if (withBitmap) {
        blit.dib = params.bytes(params.remaining());
        blit.source = sourceFromTop(blit.source, blit.dib, type);
    }
    if (!params.ok())
        return std::nullopt;
    return blit;
}

namespace WmfDib {

QImage decode(const QByteArray &dib)
{
    const std::optional<DibHeader> header = readDibHeader(dib);
    if (!header)
        return {};
    const qsizetype tableBytes = colourTableBytes(*header);

    QByteArray file(FileHeaderSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(FileHeaderSize + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(FileHeaderSize + header->size + tableBytes), file.data() + 10);
    file.append(dib);
    return PictureRasterReader::read(file);
}

QSize size(const QByteArray &dib)
{
    const std::optional<DibHeader> header = readDibHeader(dib);
    // A negative height is a bitmap stored top row first.
    const qint64 height = header ? qAbs(qint64(header->height)) : 0;
    if (!header || header->width <= 0 || height == 0 || height > INT_MAX)
        return {};
    return QSize(header->width, int(height));
}

} // namespace WmfDib
