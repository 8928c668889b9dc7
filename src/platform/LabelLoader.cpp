// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/LabelLoader.h"

#include "label/FilePaths.h"
#include "platform/PictureLoader.h"

namespace LabelLoader {

std::optional<Loaded> load(const QString &path, const LabelFile::Zones &current)
{
    std::optional<LabelFile::Content> content = LabelFile::read(path, current);
    if (!content)
        return std::nullopt;
    Loaded loaded{*content, Loaded::PictureState::None, Picture()};
    const QString &entry = loaded.content.iconEntry;
    if (entry == QLatin1String(LabelFile::NoIcon))
        return loaded;
    if (!matchingFileExists(entry)) {
        loaded.pictureState = Loaded::PictureState::Missing;
        return loaded;
    }
    const std::optional<Picture> picture = PictureLoader::load(entry);
    if (!picture)
        return std::nullopt;
    loaded.picture = *picture;
    loaded.pictureState = Loaded::PictureState::Loaded;
    return loaded;
}

} // namespace LabelLoader
