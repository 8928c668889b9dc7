#include "platform/PictureLoader.h"

#include "platform/PictureRasterReader.h"
#include "platform/wmf/WmfDocument.h"

#include <QFile>
#include <QFileInfo>

namespace PictureLoader {

std::optional<Picture> load(const QString &path)
{
    // A device or a pipe could block or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return std::nullopt;
    return fromBytes(bytes);
}

std::optional<Picture> fromBytes(const QByteArray &bytes)
{
    if (WmfDocument::looksLikeMetafile(bytes)) {
        std::optional<WmfDocument> metafile = WmfDocument::parse(bytes);
        if (!metafile)
            return std::nullopt;
        return Picture(std::make_shared<const WmfDocument>(std::move(*metafile)));
    }
    const QImage image = PictureRasterReader::read(bytes);
    if (image.isNull())
        return std::nullopt;
    return Picture(image);
}

} // namespace PictureLoader
