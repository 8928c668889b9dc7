// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureBmpCheck.h"

#include "platform/wmf/WmfParams.h"

namespace {

constexpr quint32 CoreHeaderSize = 12;
constexpr quint32 InfoHeaderMinSize = 40;

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6
};

bool isPixelDepth(int bitCount)
{
    return bitCount == 1 || bitCount == 2 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
           bitCount == 24 || bitCount == 32;
}

} // namespace

namespace PictureBmpCheck {

bool pixelDataComplete(const QByteArray &bmpFile)
{
    // The metafile's bounded reader serves here too: bitmaps come embedded in metafiles.
    WmfParams header(bmpFile.constData(), bmpFile.size());
    header.skip(10); // signature, file size, reserved
    const qint64 dataOffset = header.uint32();
    const quint32 headerSize = header.uint32();

    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = Rgb;
    qint64 compressedSize = 0;
    if (headerSize == CoreHeaderSize) {
        width = header.uint16();
        height = header.uint16();
        header.skip(2); // planes
        bitCount = header.uint16();
    } else if (headerSize >= InfoHeaderMinSize) {
        width = header.int32();
        height = header.int32();
        header.skip(2); // planes
        bitCount = header.uint16();
        compression = header.uint32();
        compressedSize = header.uint32();
    } else {
        return false;
    }
    if (!header.ok() || width <= 0 || height == 0 || dataOffset > bmpFile.size())
        return false;

    const qint64 available = bmpFile.size() - dataOffset;
    switch (compression) {
    case Rgb:
    case BitFields:
    case AlphaBitFields: {
        if (!isPixelDepth(bitCount))
            return false;
        // Both factors fit in 40 bits; their product might not, hence the division.
        const qint64 stride = (width * bitCount + 31) / 32 * 4;
        return stride <= available / qAbs(height);
    }
    case Rle8:
    case Rle4:
        // A run-length stream may end early by design; only its stated length is checked.
        return available > 0 && compressedSize <= available;
    default:
        return true;
    }
}

} // namespace PictureBmpCheck
