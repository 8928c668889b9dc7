// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureRasterReader.h"

#include "platform/IconDirectory.h"
#include "platform/PictureBmpCheck.h"
#include "platform/PictureGifCheck.h"
#include "platform/PictureJpegCheck.h"
#include "platform/PicturePngText.h"
#include "platform/PictureSvgFilter.h"

#include <QBuffer>
#include <QImageReader>

namespace {

qint64 pixelCount(const QSize &size)
{
    return qint64(size.width()) * size.height();
}

bool acceptableSize(const QSize &size)
{
    // An unknown size is left to Qt's own allocation limit.
    return !size.isValid() || pixelCount(size) <= PictureRasterReader::MaxPixels;
}

// Large pictures are decoded straight at the size they are drawn (JPEG and SVG decoders
// do it natively), small vector ones (SVG) rendered at that size so that they print sharp.
void decodeAtDrawnSize(QImageReader &reader, const QSize &size)
{
    using PictureRasterReader::MaxDecodedSide;
    const bool scalable = reader.format().startsWith("svg");
    if (size.isValid() && (qMax(size.width(), size.height()) > MaxDecodedSide || scalable)) {
        reader.setScaledSize(
            size.scaled(MaxDecodedSide, MaxDecodedSide, Qt::KeepAspectRatio).expandedTo({1, 1}));
    }
}

QImage readCurrent(QImageReader &reader, const QSize &size)
{
    if (!acceptableSize(size))
        return {};
    decodeAtDrawnSize(reader, size);
    QImage image = reader.read();
    if (!acceptableSize(image.size()))
        return {};
    return image;
}

// Qt's SVG reader is handed only documents that read nothing outside themselves.
QImage readSvg(const QByteArray &bytes)
{
    const std::optional<QByteArray> document = PictureSvgFilter::selfContained(bytes);
    if (!document)
        return {};
    QBuffer buffer;
    buffer.setData(*document);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    return readCurrent(reader, reader.size());
}

} // namespace

namespace PictureRasterReader {

bool decodingBounded(const QByteArray &bytes)
{
    if (bytes.startsWith("BM"))
        return PictureBmpCheck::pixelDataComplete(bytes);
    if (bytes.startsWith("\xFF\xD8"))
        return PictureJpegCheck::decodingBounded(bytes);
    if (bytes.startsWith("GIF8"))
        return PictureGifCheck::decodingBounded(bytes);
    return true;
}

QImage read(const QByteArray &file)
{
    if (!decodingBounded(file))
        return {};
    const QByteArray bytes = PicturePngText::withoutText(file);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {};
    if (reader.format().startsWith("svg"))
        return readSvg(bytes);

    // Of the sizes an icon holds, only the largest is decoded. Other files with several
    // images (animations) show their first.
    if (reader.format() == "ico" || reader.format() == "cur") {
        const std::optional<IconDirectory::Entry> largest = IconDirectory::largestEntry(bytes);
        // Qt's icon reader decodes a PNG entry whole; on its own it is decoded at drawn size.
        if (largest && largest->png)
            return read(bytes.mid(largest->offset, largest->length));
        if (!largest || !reader.jumpToImage(largest->index))
            return {};
        return readCurrent(reader, largest->size);
    }
    return readCurrent(reader, reader.size());
}

} // namespace PictureRasterReader
