// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureLoader.h"

#include "files/SmallFile.h"
#include "platform/PictureRasterReader.h"
#include "platform/wmf/WmfDrawing.h"

#include <QCoreApplication>

namespace PictureLoader {

std::optional<Picture> load(const QString &path)
{
    const std::optional<QByteArray> bytes = SmallFile::readRegular(path, MaxFileBytes);
    if (!bytes)
        return std::nullopt;
    return fromBytes(*bytes);
}

std::optional<Picture> fromBytes(const QByteArray &bytes)
{
    if (WmfDocument::looksLikeMetafile(bytes)) {
        std::optional<WmfDocument> metafile = WmfDocument::parse(bytes);
        if (!metafile)
            return std::nullopt;
        return Picture(std::make_shared<const WmfDrawing>(std::move(*metafile)));
    }
    const QImage image = PictureRasterReader::read(bytes);
    if (image.isNull())
        return std::nullopt;
    return Picture(image);
}

QString unsupportedMessage()
{
    return QCoreApplication::translate("PictureLoader", "Format d'image non supporté !");
}

} // namespace PictureLoader
