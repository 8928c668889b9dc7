// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/viewer/ShownPicture.h"

#include "platform/PictureLoader.h"

namespace {

constexpr int PickedPerShownPixel = 4;

} // namespace

namespace ShownPicture {

std::optional<Picture> load(const QString &path, const QSize &boxPixels)
{
    std::optional<Picture> picture = PictureLoader::load(path);
    if (!picture || picture->isMetafile() || boxPixels.isEmpty())
        return picture;
    const QImage image = picture->image();
    if (image.width() <= boxPixels.width() && image.height() <= boxPixels.height())
        return picture;
    // The boxes stretch the picture anyway, so its proportions need not be kept here. A
    // filter over every pixel of a photograph costs as much as decoding it: pixels are first
    // picked down to a few times the box, and only those are filtered.
    const QSize picked = boxPixels * PickedPerShownPixel;
    const QImage fewer = image.width() > picked.width() && image.height() > picked.height()
                             ? image.scaled(picked, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             : image;
    return Picture(fewer.scaled(boxPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace ShownPicture
