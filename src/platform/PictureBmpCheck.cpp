#include "platform/PictureBmpCheck.h"

#include <QtEndian>

namespace {

constexpr qsizetype FileHeaderSize = 14;
constexpr qsizetype CoreHeaderSize = 12;
constexpr qsizetype InfoHeaderMinSize = 40;

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6
};

template <typename T> T readAt(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

} // namespace

namespace PictureBmpCheck {

bool pixelDataComplete(const QByteArray &bmpFile)
{
    if (bmpFile.size() < FileHeaderSize + CoreHeaderSize)
        return false;
    const qint64 dataOffset = readAt<quint32>(bmpFile, 10);
    const qsizetype headerSize = readAt<quint32>(bmpFile, FileHeaderSize);

    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = Rgb;
    qint64 compressedSize = 0;
    if (headerSize == CoreHeaderSize) {
        width = readAt<quint16>(bmpFile, FileHeaderSize + 4);
        height = readAt<quint16>(bmpFile, FileHeaderSize + 6);
        bitCount = readAt<quint16>(bmpFile, FileHeaderSize + 10);
    } else {
        if (headerSize < InfoHeaderMinSize || bmpFile.size() < FileHeaderSize + InfoHeaderMinSize)
            return false;
        width = readAt<qint32>(bmpFile, FileHeaderSize + 4);
        height = readAt<qint32>(bmpFile, FileHeaderSize + 8);
        bitCount = readAt<quint16>(bmpFile, FileHeaderSize + 14);
        compression = readAt<quint32>(bmpFile, FileHeaderSize + 16);
        compressedSize = readAt<quint32>(bmpFile, FileHeaderSize + 20);
    }
    if (width <= 0 || height == 0 || dataOffset > bmpFile.size())
        return false;

    const qint64 available = bmpFile.size() - dataOffset;
    switch (compression) {
    case Rgb:
    case BitFields:
    case AlphaBitFields: {
        const qint64 stride = (width * bitCount + 31) / 32 * 4;
        return stride * qAbs(height) <= available;
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
