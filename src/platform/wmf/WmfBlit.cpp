#include "platform/wmf/WmfBlit.h"

#include "platform/PictureRasterReader.h"

#include <QtEndian>

namespace {

constexpr qsizetype FileHeaderSize = 14;
constexpr quint32 CoreHeaderSize = 12;
constexpr quint32 BitFieldsCompression = 3;

// A transfer record without a bitmap is exactly this many 16-bit words of parameters
// longer than its function number's high byte suggests; the metafile format defines it so.
bool carriesBitmap(WmfRecordType type, qsizetype paramBytes)
{
    const qsizetype bitmaplessWords = qsizetype(quint16(type) >> 8);
    return paramBytes != bitmaplessWords * 2;
}

// Bottom-up bitmaps (the usual kind) count the source origin of StretchDIBits from their
// last row; Qt's image counts from the first.
QRectF sourceFromTop(const QRectF &source, const QByteArray &dib, WmfRecordType type)
{
    if (type != WmfRecordType::StretchDib || dib.size() < 12)
        return source;
    const bool core = qFromLittleEndian<quint32>(dib.constData()) == CoreHeaderSize;
    const qint32 height = core ? qFromLittleEndian<quint16>(dib.constData() + 6)
                               : qFromLittleEndian<qint32>(dib.constData() + 8);
    if (height <= 0)
        return source;
    return QRectF(source.x(), height - source.y() - source.height(), source.width(),
                  source.height());
}

qsizetype colourTableBytes(const QByteArray &dib)
{
    const quint32 headerSize = qFromLittleEndian<quint32>(dib.constData());
    if (headerSize == CoreHeaderSize) {
        const int bitCount = qFromLittleEndian<quint16>(dib.constData() + 10);
        return bitCount <= 8 ? (qsizetype(1) << bitCount) * 3 : 0;
    }
    if (dib.size() < 40)
        return -1;
    const int bitCount = qFromLittleEndian<quint16>(dib.constData() + 14);
    const quint32 compression = qFromLittleEndian<quint32>(dib.constData() + 16);
    const quint32 coloursUsed = qFromLittleEndian<quint32>(dib.constData() + 32);
    const qsizetype masks = (headerSize == 40 && compression == BitFieldsCompression) ? 12 : 0;
    if (coloursUsed > 0)
        return masks + qsizetype(qMin<quint32>(coloursUsed, 256)) * 4;
    return masks + (bitCount <= 8 ? (qsizetype(1) << bitCount) * 4 : 0);
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
    if (dib.size() < qsizetype(CoreHeaderSize))
        return {};
    const qsizetype tableBytes = colourTableBytes(dib);
    const quint32 headerSize = qFromLittleEndian<quint32>(dib.constData());
    if (tableBytes < 0 || headerSize > quint32(dib.size()))
        return {};

    QByteArray file(FileHeaderSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(FileHeaderSize + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(FileHeaderSize + headerSize + tableBytes), file.data() + 10);
    file.append(dib);
    return PictureRasterReader::read(file);
}

} // namespace WmfDib
