// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/DroppedFile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>

namespace {

bool isPictureSuffix(const QString &suffix)
{
    // What Qt reads, plus the metafiles the program reads itself.
    static const QList<QByteArray> formats = [] {
        QList<QByteArray> known = QImageReader::supportedImageFormats();
        known.append(QByteArrayLiteral("wmf"));
        return known;
    }();
    return formats.contains(suffix.toLower().toLatin1());
}

} // namespace

std::optional<DroppedFile> DroppedFile::of(const QMimeData &data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return std::nullopt;
    const QString path = urls.first().toLocalFile();
    const QFileInfo file(path);
    const QString suffix = file.suffix();
    const bool isLabel = suffix.compare(QLatin1String("eti"), Qt::CaseInsensitive) == 0;
    if (!isLabel && !isPictureSuffix(suffix))
        return std::nullopt;
    // One look at a file that the desktop has just listed, after the name has passed: a
    // folder named like a file is refused here rather than after a read.
    if (!file.isFile())
        return std::nullopt;
    return DroppedFile{isLabel ? Kind::Label : Kind::Picture, path};
}
