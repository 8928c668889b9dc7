// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/LabelFile.h"
#include "platform/Picture.h"

#include <optional>

// Opening a label file as a whole: the file and the picture it names are read and
// checked before anything of the open document is touched.
namespace LabelLoader {

struct Loaded
{
    LabelFile::Content content;
    enum class PictureState
    {
        None,
        Loaded,
        Missing
    } pictureState = PictureState::None;
    Picture picture; // when Loaded
};

// Nothing when the file does not read as a label file, or names a picture that exists
// but cannot be loaded. A picture file that does not exist is not a failure.
std::optional<Loaded> load(const QString &path, const LabelFile::Zones &current);

} // namespace LabelLoader
