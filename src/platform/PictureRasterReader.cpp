#include "platform/PictureRasterReader.h"

#include "platform/PictureBmpCheck.h"

#include <QBuffer>
#include <QImageReader>

namespace {

// Icons hold a handful of sizes; a directory claiming thousands is damaged.
constexpr int MaxImagesInIcon = 64;

// Vector formats that Qt rasterises (SVG) are rendered large enough to print sharp.
constexpr int ScalableRenderSize = 1024;

qint64 pixelCount(const QSize &size)
{
    return qint64(size.width()) * size.height();
}

bool acceptableSize(const QSize &size)
{
    // An unknown size is left to Qt's own allocation limit.
    return !size.isValid() || pixelCount(size) <= PictureRasterReader::MaxPixels;
}

QImage readCurrent(QImageReader &reader)
{
    const QSize size = reader.size();
    if (!acceptableSize(size))
        return {};
    if (reader.format().startsWith("svg") && size.isValid() &&
        qMax(size.width(), size.height()) < ScalableRenderSize) {
        reader.setScaledSize(
            size.scaled(ScalableRenderSize, ScalableRenderSize, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (!acceptableSize(image.size()))
        return {};
    return image;
}

} // namespace

namespace PictureRasterReader {

QImage read(const QByteArray &bytes)
{
    if (bytes.startsWith("BM") && !PictureBmpCheck::pixelDataComplete(bytes))
        return {};

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {};

    QImage largest = readCurrent(reader);
    // Several still images are the sizes of an icon; moving ones are frames of an animation.
    if (reader.supportsAnimation())
        return largest;
    const int count = qMin(reader.imageCount(), MaxImagesInIcon);
    for (int index = 1; index < count; ++index) {
        if (!reader.jumpToImage(index))
            break;
        const QImage candidate = readCurrent(reader);
        if (pixelCount(candidate.size()) > pixelCount(largest.size()))
            largest = candidate;
    }
    return largest;
}

} // namespace PictureRasterReader
