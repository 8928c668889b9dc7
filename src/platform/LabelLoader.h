// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/LabelDocument.h"

#include <QString>
#include <optional>

// Opening a label file as a whole: the file and the picture it names are read and
// checked before anything of the open document is touched.
namespace LabelLoader {

struct Loaded
{
    // The label, with its picture decoded when it could be read.
    LabelDocument document;
    // Why the picture it names cannot be shown (gone, damaged), in words for the user;
    // empty when it has none or shows. The label opens and prints without it.
    QString pictureProblem;
};

// Nothing when the file does not read as a label file. A picture path stored relative is
// looked for from the label's own folder first, then from the current folder.
std::optional<Loaded> load(const QString &path);

// The message for a picture that exists but cannot be read.
QString unreadablePictureMessage(const QString &picturePath);

} // namespace LabelLoader
