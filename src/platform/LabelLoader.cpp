// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/LabelLoader.h"

#include "label/FilePaths.h"
#include "label/LabelFile.h"
#include "platform/PictureLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Where the picture named by a label stored at labelPath lies: a relative path from the
// label's folder when a file is there, else as given (from the current folder).
QString picturePlace(const QString &picturePath, const QString &labelPath)
{
    if (QDir::isAbsolutePath(picturePath))
        return picturePath;
    const QString besideLabel = QFileInfo(labelPath).dir().filePath(picturePath);
    return matchingFileExists(besideLabel) ? besideLabel : picturePath;
}

} // namespace

namespace LabelLoader {

std::optional<Loaded> load(const QString &path)
{
    std::optional<LabelDocument> document = LabelFile::read(path);
    if (!document)
        return std::nullopt;
    Loaded loaded{*document, QString()};
    const QString &picturePath = loaded.document.picture.path;
    if (loaded.document.picture.isNone())
        return loaded;
    const QString place = picturePlace(picturePath, path);
    if (!matchingFileExists(place)) {
        loaded.pictureProblem = LabelFile::iconNotFoundMessage(picturePath);
        return loaded;
    }
    if (const std::optional<Picture> picture = PictureLoader::load(place))
        loaded.document.picture.decoded = *picture;
    else
        loaded.pictureProblem = unreadablePictureMessage(picturePath);
    return loaded;
}

QString unreadablePictureMessage(const QString &picturePath)
{
    // A lone CR breaks the line, as in the program's other messages.
    return QCoreApplication::translate("LabelLoader", "Image %1 illisible :").arg(picturePath) +
           QLatin1Char('\r') + PictureLoader::unsupportedMessage();
}

} // namespace LabelLoader
