// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/Picture.h"

#include <QSize>
#include <QString>
#include <optional>

// A picture file read for showing in a box of a known size. A photograph of many million
// pixels is shrunk to the box once, off the user-interface thread, so that painting it
// costs no more than painting an icon; a metafile stays vector.
namespace ShownPicture {

// Nothing when the loader refuses the file. Safe to call from any thread.
std::optional<Picture> load(const QString &path, const QSize &boxPixels);

} // namespace ShownPicture
