// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/Picture.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Reads the label's picture: icons and cursors (the largest image), bitmaps, GIF, JPEG,
// Windows metafiles, and whatever else Qt reads (PNG, SVG, ...). The kind is taken from
// the content, never the file name. Hostile files fail or draw partially; nothing is
// read or allocated without bound.
namespace PictureLoader {

// Files larger than this are refused unread.
constexpr qint64 MaxFileBytes = qint64(64) * 1024 * 1024;

// Nothing when path is not a regular readable file or does not hold a picture.
std::optional<Picture> load(const QString &path);
std::optional<Picture> fromBytes(const QByteArray &bytes);

// What every picture command says of a file it cannot show, whatever the reason.
QString unsupportedMessage();

} // namespace PictureLoader
