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

bool isPixelDepth(int bitCount)
{
    return bitCount == 1 || bitCount == 2 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
           bitCount == 24 || bitCount == 32;
}

// Zero past the end: the callers check sizes first, and every read stays safe on its own.
template <typename T> T readAt(const QByteArray &bytes, qsizetype offset)
{
    if (offset < 0 || bytes.size() - offset < qsizetype(sizeof(T)))
        return 0;
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
